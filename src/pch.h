// Precompiled header shared by every library and test of the project.
#pragma once
#ifdef __cplusplus
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVariant>
#include <QtCore/QVector>
#include <QtCore/QHash>
#include <QtCore/QDate>
#include <QtCore/QDateTime>
#include <QtCore/QObject>
#include <QtWidgets/QWidget>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <functional>
#include <memory>
#include <vector>
#endif
