#pragma once

#include <QString>

class QWidget;
class TFrmHalvernMain;

// Finds the control a script names: by object name, else by a button's caption (without its
// "&" mnemonic, with or without a trailing accelerator such as "(&S)"), searched in the active modal window first, then an open popup, the embedded
// form, other open windows and last the host window. Within a window a visible control wins.
class TControlFinder {
public:
    explicit TControlFinder(const TFrmHalvernMain &host) : m_host(host) {}

    QWidget *Find(const QString &name) const; // null when no window holds such a control
    // The window a screenshot shows: the active modal window, else the host window.
    QWidget *FrontWindow() const;

    // "保存(&S)" is named by "保存(S)" and by "保存".
    static bool CaptionMatches(const QString &caption, const QString &name);

private:
    const TFrmHalvernMain &m_host;
};
