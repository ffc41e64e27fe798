#pragma once

#include "TColor.h"

class QWidget;

// The background colour of any window or control. Controls of the kit carry a Color property;
// a window without one (a form) keeps the colour as a dynamic "Color" property and paints its
// background with it, so the colour scheme can read and set both alike.
TColor ColorOf(const QWidget *widget);
void SetColor(QWidget *widget, TColor color);
