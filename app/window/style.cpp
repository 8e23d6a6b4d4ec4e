#include "app/window/parts.h"

namespace kdsp::build {

// Orange (243, 152, 0) is the console's accent: unselected tabs, the
// connected link button, the graph read-out.
QString ConsoleStyleSheet() {
    return QStringLiteral(R"(
QWidget#KdspMainWindow { background: white; }
QWidget { font-size: 11px; }
#Image2 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4a4a50, stop:1 #26262a); }
#RzLabel9 { color: white; font-size: 13px; font-weight: bold; }
#SysLogoLabel { color: white; }

#RzGroupBox17 { background: #303034; border: none; margin: 0; padding: 0; }
QToolButton[pageTab="true"] { color: rgb(243,152,0); background: transparent; border: none;
    padding: 3px 8px; font-size: 12px; font-weight: bold; }
QToolButton[pageTab="true"][selected="true"], QToolButton[pageTab="true"]:pressed {
    color: white; background: rgb(243,152,0); border-radius: 3px; }
#LinkLabel { color: #d0d0d0; }
QToolButton[subTab="true"] { color: rgb(243,152,0); background: #f1f1f1; border: 1px solid #d6d6d6;
    padding: 4px 6px; font-weight: bold; }
QToolButton[subTab="true"][selected="true"], QToolButton[subTab="true"]:pressed {
    color: white; background: rgb(243,152,0); border-color: rgb(243,152,0); }

QGroupBox { border: 1px solid #d8d8d8; border-radius: 3px; margin-top: 7px; padding-top: 3px; }
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; color: #505050; }
QGroupBox[smallGroup="true"] { margin-top: 0; padding-top: 0; border-color: #e4e4e4; }

QPushButton[look] { border: 1px solid #b8b8b8; border-radius: 2px; background: #f4f4f4;
    padding: 1px 5px; color: #303030; min-height: 16px; }
QPushButton[look="down"] { background: rgb(243,152,0); border-color: #c77c00; color: white; }
QPushButton[look="dim"] { background: #e6e6e6; color: #a0a0a0; }
QPushButton[look]:disabled { color: #b0b0b0; background: #eeeeee; border-color: #d4d4d4; }
#LinkBtn[look="down"] { background: #303034; color: rgb(243,152,0); border-color: rgb(243,152,0); }
#LinkBtn { background: #e8e8e8; }
QPushButton[titleButton="true"] { border: none; background: transparent; }
QPushButton[titleButton="true"]:hover { background: #5a5a60; }
#RzBmpButton3:hover { background: #c42b1c; }

QLabel[bandNumber="true"] { color: #606060; font-weight: bold; border-radius: 2px; }
QLabel[bandNumber="true"][opaque="true"] { background: rgb(243,152,0); color: white; }
QLabel[typeLetter="true"] { background: rgb(128,128,128); color: white; font-size: 9px; }
QLabel[typeLetter="true"][highlighted="true"] { background: white; color: rgb(128,128,128); }
QLabel[graphReadout="true"] { color: rgb(243,152,0); font-weight: bold; font-size: 13px;
    background: transparent; }

QLineEdit { border: 1px solid #c8c8c8; background: rgb(230,230,230); padding: 0 1px; }
QLineEdit[shade="active"] { background: rgb(200,200,200); }
QLineEdit:disabled { color: #a0a0a0; background: #f0f0f0; }
#Examplexx { border: none; background: transparent; }
QComboBox { padding: 0 2px; min-height: 16px; }
kdsp--StatusPane { border: 1px solid #d0d0d0; background: #fafafa; }

#AdvPanel1 { background: white; }
#AdvPanel2 { background: rgb(238,238,238); border: 1px solid rgb(210,210,210); }
#Image1 { background: white; }
#FirstCheckGrop { background: #fff8ec; border: 2px solid rgb(243,152,0); }
)");
}

} // namespace kdsp::build
