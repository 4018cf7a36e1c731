#pragma once
// Rendering a control into an image, for tests and screenshots: a windowed control with all its
// children as PaintTo draws them; a windowless control as it appears on its parent.

#include <QImage>
#include <QString>

class TControl;

QImage RenderControlImage(TControl *control);
// Saves the rendered control as a PNG file; false when it cannot be written.
bool SaveControlImage(TControl *control, const QString &fileName);
