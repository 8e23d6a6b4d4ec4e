#pragma once

#include <QWidget>

namespace kdsp::build {

// The regions of the main window, each built under `window`.
QWidget* TitleStrip(QWidget* window);
QWidget* TabRow(QWidget* window);
QWidget* PageArea(QWidget* window);
QWidget* GraphArea(QWidget* window);
QWidget* SystemArea(QWidget* window);
// The unlock panel, laid over the page area when shown; hidden at start.
QWidget* UnlockPanel(QWidget* window);
// Controls that are never seen: the placeholder edit, the phase-picture
// template, the serial port list, the timers.
void InvisibleHelpers(QWidget* window);

QString ConsoleStyleSheet();

} // namespace kdsp::build
