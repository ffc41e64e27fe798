#include "TUiRecorder.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

TUiRecorder::TUiRecorder()
{
    m_previousBox = Win::SetMessageBoxFunction([this](const Win::TMessageBoxRequest &request) { return ShowBox(request); });
    m_previousRunner = Win::SetModalRunner([this](QDialog &dialog) { return RunModal(dialog); });
}

TUiRecorder::~TUiRecorder()
{
    Win::SetMessageBoxFunction(std::move(m_previousBox));
    Win::SetModalRunner(std::move(m_previousRunner));
    EXPECT_TRUE(m_boxAnswers.empty()) << m_boxAnswers.size() << " queued box answers were never used";
    EXPECT_TRUE(m_modalHandlers.empty()) << m_modalHandlers.size() << " queued modal handlers were never used";
}

QStringList TUiRecorder::BoxTexts() const
{
    QStringList texts;
    for (const TShownBox &box : m_boxes)
        texts << box.Caption + QStringLiteral(": ") + box.Text;
    return texts;
}

QStringList TUiRecorder::TakeBoxTexts()
{
    QStringList texts = BoxTexts();
    m_boxes.clear();
    return texts;
}

int TUiRecorder::ShowBox(const Win::TMessageBoxRequest &request)
{
    m_boxes.append(TShownBox{request.Owner, request.Text, request.Caption, request.Flags});
    if (!m_boxAnswers.empty()) {
        const int answer = m_boxAnswers.front();
        m_boxAnswers.pop_front();
        return answer;
    }
    if ((request.Flags & 0x0F) == Win::MB_OK)
        return Win::IDOK;
    ADD_FAILURE() << "unexpected question box: " << request.Caption.toStdString() << ": " << request.Text.toStdString();
    return Win::IDCANCEL;
}

int TUiRecorder::RunModal(QDialog &dialog)
{
    m_modalTitles << dialog.windowTitle();
    dialog.setResult(0);
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    if (m_modalHandlers.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << dialog.windowTitle().toStdString();
        dialog.reject();
        return dialog.result();
    }
    const TModalHandler handler = std::move(m_modalHandlers.front());
    m_modalHandlers.pop_front();
    handler(dialog);
    QApplication::processEvents();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "modal window still open after its handler: " << dialog.windowTitle().toStdString();
        dialog.reject();
    }
    return dialog.result();
}
