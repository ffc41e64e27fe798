#pragma once

#include "platform/widgets/TForm.h"

class QFrame;

// The base of every form of the module. It is borderless, fills its parent and carries all
// content on PanelMain, which the host sizes with message 0x402. Its creation adopts the host's
// application window and reads the host's shared-memory block; an embedded form tells the host
// (message 0x404) when it closes and then frees itself.
//
// A derived form's creation runs in its constructor, after the base creation; its close step is
// FormClose, after which the base close runs. A derived form whose creation failed sets
// CloseAtShow, and the form closes itself once it is shown.
class TFrmBase : public TForm {
    Q_OBJECT
public:
    enum class TCloseAction { caNone, caHide, caFree };

    explicit TFrmBase(QWidget *owner);

    // Makes the form a child of parent, filling it, sizes PanelMain to it and shows the form.
    // From then on the form counts as embedded in the host.
    void EmbedInto(QWidget *parent);
    void SetPanelMainSize(int height, int width);

    QFrame *PanelMain = nullptr;

protected:
    // The derived form's close step; caNone keeps the form open.
    virtual void FormClose(TCloseAction &action);
    // PanelMain has a new size.
    virtual void PanelMainResize();

    bool CloseAtShow = false;

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FollowParent();

    QWidget *m_followedParent = nullptr;
    bool m_embedded = false;
    bool m_hostNotified = false;
};
