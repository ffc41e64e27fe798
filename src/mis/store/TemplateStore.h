#pragma once

#include "TShopDatabase.h"

#include "platform/data/Result.h"

#include <QByteArray>
#include <QString>

// Report templates as the host keeps them: per bill title and name, the template file's bytes
// as THexStream text. Reading a stored text back is strict: every pair must be hex and the
// text must end with "#".
Result<QByteArray> TemplateFromHex(const QString &text);

// The first stored template of that name, whatever its bill title.
Result<QByteArray> ExportTemplate(TShopDatabase &db, const QString &name);
// Adds the template or replaces the one of the same title and name.
Result<void> ImportTemplate(TShopDatabase &db, const QString &billTitle, const QString &name, const QByteArray &bytes);
