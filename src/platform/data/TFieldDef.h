#pragma once

#include <QString>

enum class TFieldType { String, Integer, Float, Boolean, DateTime };

// The definition of one dataset column. Name, type and width travel in packets; label, tag,
// visibility and display format belong to the client that shows the data.
struct TFieldDef {
    QString Name;
    TFieldType DataType = TFieldType::String;
    int Size = 0; // text width in GBK bytes; 0: unbounded
    QString DisplayLabel;
    int Tag = 0;
    bool Visible = true;
    QString DisplayFormat;
};
