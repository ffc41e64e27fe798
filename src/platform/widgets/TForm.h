#pragma once

#include <QDialog>
#include <QWidget>

// The module's two kinds of window. TForm is a form embedded in the host's panel; TDialogForm
// a modal window run through Win::RunModal. With KeyPreview on, both see every key of their
// controls first, through FormKeyDown and FormKeyPress (set the key to 0 to consume it).
class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(QWidget *owner = nullptr);

    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool on) { m_keyPreview = on; }

protected:
    virtual void FormKeyDown(int &key, Qt::KeyboardModifiers shift);
    virtual void FormKeyPress(QChar &key);

private:
    bool m_keyPreview = false;
};

class TDialogForm : public QDialog {
    Q_OBJECT
public:
    enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

    explicit TDialogForm(QWidget *owner = nullptr);

    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool on) { m_keyPreview = on; }
    // Runs the window modally through the platform's modal runner; returns its modal result.
    int ShowModal();
    void SetModalResult(int result) { done(result); }
    // The close box and every other rejection answer Cancel, as the modal callers expect.
    void reject() override { done(mrCancel); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    virtual void FormKeyDown(int &key, Qt::KeyboardModifiers shift);
    virtual void FormKeyPress(QChar &key);

private:
    bool m_keyPreview = false;
};
