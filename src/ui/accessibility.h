#pragma once

#include <QString>

class QWidget;

// What assistive technology is told about the boxes (the window's part of it is
// Form1::setUpAccessibility).

// A box's text as a spoken list of its characters: "1, 4, 6 and 7", or "none".
QString spokenList(const QString &text);

// Follows a puzzle box's colour with the status it stands for: the accessible
// description ("given", "right", "wrong" or nothing), which a screen reader announces
// when it changes, and a struck-through digit for a wrong one, so that the
// status never rests on colour alone. Painting a box calls this.
void showStatus(QWidget *box);
