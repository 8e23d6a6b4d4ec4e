#include "app/window/builder.h"

#include "app/window/pictures.h"
#include "model/value_scales.h"

#include <QGridLayout>
#include <array>
#include <string>

namespace kdsp::build {

namespace {

// A control that shows one language and keeps the other in its hint.
template <class T>
T* Captioned(QWidget* parent, const QString& name, const QString& caption, const QString& hint) {
    auto* control = Make<T>(parent, name);
    control->setCaption(caption);
    control->setHint(hint);
    return control;
}

} // namespace

PlainLabel* Label(QWidget* parent, const QString& name, const QString& chinese,
                  const QString& english) {
    return Captioned<PlainLabel>(parent, name, chinese, english);
}

GroupBox* Group(QWidget* parent, const QString& name, const QString& chinese,
                const QString& english) {
    return Captioned<GroupBox>(parent, name, chinese, english);
}

TabSheet* Sheet(QWidget* parent, const QString& name, const QString& chinese,
                const QString& english) {
    return Captioned<TabSheet>(parent, name, chinese, english);
}

ToolButton* Tab(QWidget* parent, const QString& name, const QString& chinese,
                const QString& english, int tag) {
    auto* button = Captioned<ToolButton>(parent, name, chinese, english);
    button->setTag(tag);
    return button;
}

Button* PushButton(QWidget* parent, const QString& name, const QString& chinese,
                   const QString& english) {
    return Captioned<Button>(parent, name, chinese, english);
}

BitmapButton* Bitmap(QWidget* parent, const QString& name, const QString& caption,
                     const QString& hint) {
    return Captioned<BitmapButton>(parent, name, caption, hint);
}

BitmapButton* PhaseButton(QWidget* parent, const QString& name) {
    auto* button = Bitmap(parent, name, QStringLiteral("+"), QStringLiteral("0"));
    button->setPhaseButton(true);
    button->setFixedSize(22, 18);
    return button;
}

BitmapButton* MuteButton(QWidget* parent, const QString& name, const QString& caption) {
    return Bitmap(parent, name, caption, QStringLiteral("0"));
}

ComboBox* Combo(QWidget* parent, const QString& name, std::span<const std::string_view> items,
                const QString& hint) {
    auto* box = Make<ComboBox>(parent, name);
    for (std::string_view item : items)
        box->addItem(Name(item));
    box->setHint(hint);
    return box;
}

ComboBox* CrossoverBox(QWidget* parent, const QString& name, bool highPass) {
    auto* box = Combo(parent, name, CrossoverTypeItems(),
                      highPass ? QStringLiteral("20") : QStringLiteral("21"));
    box->setMinimumContentsLength(10);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

Edit* NumberEdit(QWidget* parent, const QString& name, int kind) {
    auto* edit = Make<Edit>(parent, name);
    edit->setHint(QString::number(kind));
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

StatusPane* Pane(QWidget* parent, const QString& name, int kind) {
    auto* pane = Make<StatusPane>(parent, name);
    pane->setHint(QString::number(kind));
    pane->setMinimumWidth(58);
    return pane;
}

TrackBar* Bar(QWidget* parent, const QString& name, int minimum, int maximum,
              Qt::Orientation orientation) {
    auto* bar = Make<TrackBar>(parent, name, orientation);
    bar->setRange(minimum, maximum);
    bar->setPageStep(1);
    return bar;
}

QGridLayout* AddBarRows(QGridLayout* grid, QWidget* parent, std::span<const BarRow> rows,
                        const QString& suffix) {
    for (const BarRow& row : rows) {
        const int r = grid->rowCount();
        const QString stem = Name(row.stem);
        grid->addWidget(
            Label(parent, {}, QString::fromUtf8(row.chinese), QString::fromUtf8(row.english)), r,
            0);
        grid->addWidget(Bar(parent, stem + "Bar" + suffix, 0, row.maximum), r, 1);
        grid->addWidget(Pane(parent, stem + "Pane" + suffix, row.kind), r, 2);
        if (!row.phaseButton.empty())
            grid->addWidget(PhaseButton(parent, Name(row.phaseButton)), r, 3);
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

QGridLayout* AddMixRows(QGridLayout* grid, QWidget* parent, std::string_view prefix) {
    struct Source {
        const char* stem;
        const char* chinese;
        const char* english;
    };
    static constexpr Source Sources[] = {{"Mus", "音乐", "Music"},
                                         {"Mic", "话筒", "MIC"},
                                         {"EchoA", "回声A", "Echo A"},
                                         {"EchoB", "回声B", "Echo B"},
                                         {"Rvb", "混响", "Reverb"}};
    constexpr std::size_t Count = std::size(Sources);
    std::array<std::string, Count> bars, phases;
    std::array<BarRow, Count> rows;
    for (std::size_t i = 0; i < Count; ++i) {
        bars[i] = std::string(prefix) + Sources[i].stem + "Level";
        phases[i] = std::string(prefix) + Sources[i].stem + "PhaseBtn";
        rows[i] = {bars[i], 200, 9, Sources[i].chinese, Sources[i].english, phases[i]};
    }
    return AddBarRows(grid, parent, rows);
}

void AddCrossoverRows(QGridLayout* grid, QWidget* parent, const QString& highPassBox,
                      std::string_view highPassStem, const QString& lowPassBox,
                      std::string_view lowPassStem) {
    const struct {
        const QString& box;
        std::string_view stem;
        bool high;
    } parts[] = {{highPassBox, highPassStem, true}, {lowPassBox, lowPassStem, false}};
    for (const auto& part : parts) {
        int r = grid->rowCount();
        grid->addWidget(Label(parent, {},
                              part.high ? QStringLiteral("高通") : QStringLiteral("低通"),
                              part.high ? QStringLiteral("HPF") : QStringLiteral("LPF")),
                        r, 0);
        grid->addWidget(CrossoverBox(parent, part.box, part.high), r, 1, 1, 2);
        ++r;
        grid->addWidget(Label(parent, {}, QStringLiteral("频率"), QStringLiteral("Freq")), r, 0);
        grid->addWidget(Bar(parent, Name(part.stem) + "Bar", 0, 360), r, 1);
        grid->addWidget(Pane(parent, Name(part.stem) + "Pane", 6), r, 2);
    }
    grid->setColumnStretch(1, 1);
}

GroupBox* GridGroup(QWidget* parent, const QString& name, const QString& chinese,
                    const QString& english, QGridLayout** grid) {
    GroupBox* group = Group(parent, name, chinese, english);
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(1);
    *grid = layout;
    return group;
}

} // namespace kdsp::build
