#pragma once

#include "TPreparedReport.h"

#include "platform/data/Result.h"

#include <QByteArray>

// The file a preview saves and loads: first line "HalvernPrepared 1", then per page a Page
// record followed by its Text, Line and Rect records, in the template format's line syntax.
class TPreparedReportFormat {
public:
    static constexpr int Version = 1;
    static QByteArray Save(const TPreparedReport &report);
    static Result<TPreparedReport> Load(const QByteArray &stream);
};
