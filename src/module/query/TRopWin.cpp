#include "TRopWin.h"

#include "TRopInst.h"
#include "platform/win/MessageBox.h"

#include <QApplication>

TRopWin::TRopWin(QObject *owner) : QObject(owner) {}

void TRopWin::Popup()
{
    if (m_lines.isEmpty()) {
        Win::MessageBox(Win::HandleOf(QApplication::activeWindow()), QStringLiteral("The Lines is empty"),
                        QStringLiteral("Error"), Win::MB_OK);
        return;
    }
    TRopInst note;
    note.Prepare(m_font, m_brush, m_lines, m_xPos, m_yPos, m_timeClose);
    note.ShowModal();
}
