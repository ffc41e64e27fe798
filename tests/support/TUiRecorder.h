#pragma once

#include "platform/win/MessageBox.h"
#include "platform/win/ModalRunner.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class QDialog;

// Answers the module's message boxes and modal windows while a test runs, and keeps what it was
// shown. Installed for its lifetime; the previous seams come back when it goes.
//
// A box takes the next queued answer; a box with only an OK button needs none. A modal window
// is shown for real, the next queued handler drives it (keys, clicks) and the window's own
// result is returned. A question or a modal window nobody expected fails the test.
class TUiRecorder {
public:
    struct TShownBox {
        Win::HWND Owner = 0;
        QString Text;
        QString Caption;
        unsigned Flags = 0;
        unsigned Icon() const { return Flags & 0xF0; }
        unsigned Buttons() const { return Flags & 0x0F; }
    };
    using TModalHandler = std::function<void(QDialog &dialog)>;

    TUiRecorder();
    ~TUiRecorder();
    TUiRecorder(const TUiRecorder &) = delete;
    TUiRecorder &operator=(const TUiRecorder &) = delete;

    void AnswerBox(int result) { m_boxAnswers.push_back(result); }
    void OnModal(TModalHandler handler) { m_modalHandlers.push_back(std::move(handler)); }

    const QList<TShownBox> &Boxes() const { return m_boxes; }
    QStringList BoxTexts() const;           // "caption: text" of every box, oldest first
    QStringList TakeBoxTexts();             // the same, and forgets them
    const QStringList &ModalTitles() const { return m_modalTitles; }
    int PendingAnswers() const { return int(m_boxAnswers.size() + m_modalHandlers.size()); }

private:
    int ShowBox(const Win::TMessageBoxRequest &request);
    int RunModal(QDialog &dialog);

    Win::TMessageBoxFunction m_previousBox;
    Win::TModalRunner m_previousRunner;
    std::deque<int> m_boxAnswers;
    std::deque<TModalHandler> m_modalHandlers;
    QList<TShownBox> m_boxes;
    QStringList m_modalTitles;
};
