#pragma once

class QWidget;

// Recolours a form designed in the module's fixed palette (background 0xDEFEFB, green lines,
// neutral clBtnFace parts) with the colours configured in section "ColorOption" of
// "Halvernpos.ini": the form itself and each control it holds, decided by the control's exact
// class name and, for most kinds, by its designed colour. Controls of other classes are left
// alone. A colour key that is not an integer raises EConvertError before anything changes; a
// null form is ignored.
void ApplyColorScheme(QWidget *form);
