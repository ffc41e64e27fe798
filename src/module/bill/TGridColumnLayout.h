#pragma once

#include <QString>

class TAdvColumnGrid;

// The column layout of a bill grid in the configuration file: one key per column in the form's
// section, named after the column's header without its markup, with the value "1" (shown) or
// "0" (hidden), a comma and the width in pixels. Loading never shows a column the form hides.
class TGridColumnLayout {
public:
    // folder as ReadIni takes it: empty for the host program's folder.
    TGridColumnLayout(QString fileName, QString section, QString folder);

    // A shown column stays shown only for a first part "1"; a second part that is a positive
    // integer becomes its width. A missing key reads "1,0" and changes nothing.
    void Load(TAdvColumnGrid &grid) const;
    void Save(const TAdvColumnGrid &grid) const;

    // The header text between the first ">" and the following "<" once adjacent tags are
    // joined; a header without markup is its own key.
    static QString ColumnKey(const QString &header);

private:
    QString m_fileName;
    QString m_section;
    QString m_folder;
};
