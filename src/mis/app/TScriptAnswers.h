#pragma once

#include "platform/win/MessageBox.h"
#include "platform/win/ModalRunner.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class QDialog;

// The answers a script queues for the message boxes and modal dialogs still to come, and the
// record of what they showed. Installs itself in both seams for its lifetime.
//
// A box takes the next answer when it is one of its buttons (Yes, No, OK, Cancel); a box with
// only OK needs none; any other box stops the run. A dialog with an answer waiting gets it
// applied once it runs: a button of that name or caption is clicked, else the text goes into its
// combo box or line edit and its OK button is clicked. Without an answer the dialog simply runs
// and the script goes on inside it.
class TScriptAnswers {
public:
    using TStop = std::function<void(const QString &why)>;
    // Runs an action before the script's next command, inside whatever event loop runs then.
    using TPost = std::function<void(std::function<void()> action)>;

    TScriptAnswers(TStop stop, TPost post);
    ~TScriptAnswers();
    TScriptAnswers(const TScriptAnswers &) = delete;
    TScriptAnswers &operator=(const TScriptAnswers &) = delete;

    void Queue(const QString &answer) { m_answers.push_back(answer); }
    // "caption: text" of every box and dialog shown since the last call.
    QStringList TakeMessages();
    // After the run: boxes get their default button and dialogs are not run any more.
    void Finish() { m_finished = true; }

private:
    int ShowBox(const Win::TMessageBoxRequest &request);
    int RunModal(QDialog &dialog);
    void Apply(QDialog &dialog, const QString &answer);

    TStop m_stop;
    TPost m_post;
    Win::TMessageBoxFunction m_previousBox;
    Win::TModalRunner m_previousRunner;
    std::deque<QString> m_answers;
    QStringList m_messages;
    bool m_finished = false;
};
