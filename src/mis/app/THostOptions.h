#pragma once

#include "platform/data/Result.h"

#include <QString>
#include <QStringList>

// What halvern-mis was asked to do on its command line.
struct THostOptions {
    QString DatabasePath;
    QString ModulePath;
    QString OperatorCode;
    QString DbType = QStringLiteral("SQLSERVER");
    QString YearMonth; // empty: the calendar month
    QString ShopCode = QStringLiteral("001");
    QString ScriptPath;
    QString ExportTemplateName;
    QString ExportTemplateFile;
    QString ImportTemplateName;
    QString ImportTemplateFile;
    bool InitDemo = false;
    bool Help = false;

    // Database and template work that ends the run without opening the window.
    bool MaintenanceOnly() const { return InitDemo || !ExportTemplateName.isEmpty() || !ImportTemplateName.isEmpty(); }

    // arguments without the program name; defaults carries the paths used when none is given.
    static Result<THostOptions> Parse(const QStringList &arguments, const THostOptions &defaults);
    static QString HelpText();
};
