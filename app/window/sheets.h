#pragma once

#include "app/controls/containers.h"

namespace kdsp::build {

// The nine sheets of the main page control, in sheet-index order.
TabSheet* MusicSheet(QWidget* parent);     // 0
TabSheet* MicSheet(QWidget* parent);       // 1
TabSheet* EffectSheet(QWidget* parent);    // 2
TabSheet* OutputSheet(QWidget* parent);    // 3
TabSheet* HintSheet(QWidget* parent);      // 4
TabSheet* RecordSheet(QWidget* parent);    // 5
TabSheet* AuxSheet(QWidget* parent);       // 6
TabSheet* SystemSheet(QWidget* parent);    // 7, never shown
TabSheet* DynamicEqSheet(QWidget* parent); // 8

// A band strip with its pan bar under it, in a group box.
GroupBox* PannedStrip(QWidget* parent, const QString& groupName, const QString& boxName,
                      const QString& barName, int page, int bands, int windowBands, int sheet);

} // namespace kdsp::build
