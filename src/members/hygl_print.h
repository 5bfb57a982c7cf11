// The member register's printout: the shipped template "report/hyxx.fr3" (the user may edit it)
// over the member list.
#pragma once

#include "platform/reporttemplate.h"

class ResultSet;
class QWidget;

// The layout of "report/hyxx.fr3": "会员信息" with the print date, the members and their totals.
ReportTemplate hyxxLayout();
// Loads "hyxx.fr3" and previews it over `members` (dataset "frxDBDataset1").
void previewMemberList(const ResultSet& members, QWidget* parent);
