#pragma once

#include "platform/widgets/TForm.h"

class TAnimate;
class TLabel;

// The busy window: "正在统计，请稍候..." beside a running animation, always on top and centred
// on the screen, while its owner waits for a blocking host call. The caller owns it, shows it
// with ShowBusy just before the call and frees it afterwards on every path (hold it in a
// std::unique_ptr), so that a failing call still reaches its own error handling. It takes no
// input and no focus; a request to close it is refused, since only freeing it ends it. It
// installs no error handler of its own: errors raised later still reach the error box.
//
// The animation is "Resource/Turtle.avi" under the current folder when that file exists and
// Qt can play it (an animated GIF under that name, say), else the built-in folder search.
class TFrmHint : public TForm {
    Q_OBJECT
public:
    explicit TFrmHint(QWidget *owner);

    // Shows the window and paints it at once, before the caller's thread blocks.
    void ShowBusy();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    TLabel *Label1;
    TAnimate *Animate1;
};

// Takes the title bar off a window that has one: a window with a border keeps a thin border (a
// dialog its dialog frame) and its client area keeps its size. A frameless window is left alone.
void RemoveCaptionBar(QWidget *form);
