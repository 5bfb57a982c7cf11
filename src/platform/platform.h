// Start-up of the platform layers: installs the standard error box and the workbook reader
// into the data layer. Called once by the program and by the test main.
#pragma once

void initPlatform();
