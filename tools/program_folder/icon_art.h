#pragma once
// The icons of the default interface's buttons: simple gold line drawings,
// each readable without its hint.
#include <QColor>
#include <QPainter>
#include <QRectF>

#include "interface/window_layout.h"

namespace lumena::tools {

inline const QColor kGold(253, 218, 121);

QColor IconColour(ButtonIcon icon);
// Draws the icon centred in `r` with the painter's pen of that colour.
void DrawIcon(QPainter& p, ButtonIcon icon, const QRectF& r, const QColor& colour);

// A rectangle by its centre and half sides.
inline QRectF Box(QPointF c, double halfWidth, double halfHeight) {
  return {c.x() - halfWidth, c.y() - halfHeight, halfWidth * 2, halfHeight * 2};
}

// An arrow from `from` to `to` with a two-stroke head.
void DrawArrow(QPainter& p, QPointF from, QPointF to, double head);
// An almond eye with its pupil; `lid` and `pupil` in fifths of the face.
void DrawEye(QPainter& p, QPointF c, double k, double lid = 1.5, double pupil = 0.4);
// The icons of the system, publisher, template and desktop buttons; `k` is
// a fifth of the face.
void DrawWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k);
// The templates window's buttons: scrolling, filter, replace, the nails.
void DrawTemplatesWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k);
// The camera window's buttons: the video source, format and display, the snapshot.
void DrawCameraWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k);
// The load and save window's buttons: loading, saving and sending.
void DrawLoadSaveWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k);
// The layer regions window's and the region editor's buttons.
void DrawRegionsWindowIcon(QPainter& p, ButtonIcon icon, QPointF c, double k);

}  // namespace lumena::tools
