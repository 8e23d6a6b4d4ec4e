#include "app/window/band_strip.h"

#include "app/window/builder.h"
#include "model/binding_tables.h"
#include "model/value_scales.h"

#include <QBoxLayout>

namespace kdsp::build {

namespace {

QString frequencySpinName(const std::string& frequencyEdit) {
    QString name = Name(frequencyEdit);
    name.replace(QStringLiteral("FreEdit"), QStringLiteral("FreUpDownBtn"));
    return name;
}

BandTypeSpelling spellingOf(int page, int band) {
    if (page == PageDeq)
        return BandTypeSpelling::DynamicEq;
    if (page == PageMusic && band == 12)
        return BandTypeSpelling::MusicBand12;
    return BandTypeSpelling::Standard;
}

QHBoxLayout* tightRow() {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return row;
}

} // namespace

QWidget* BandColumn(QWidget* parent, int page, int band, const std::string& numberLabel) {
    const int first = bandSlot(page, band - 1);
    const SlotBinding& type = Bindings().at(page, first + BandType);
    const SlotBinding& frequency = Bindings().at(page, first + BandFrequency);
    const SlotBinding& gain = Bindings().at(page, first + BandGain);
    const SlotBinding& qPeaking = Bindings().at(page, first + BandQPeaking);
    const SlotBinding& qShelf = Bindings().at(page, first + BandQShelf);
    const std::string& qSpin =
        qPeaking.companions[0].empty() ? qShelf.companions[0] : qPeaking.companions[0];

    auto* column = new QWidget(parent);
    column->setObjectName(QString());
    column->setFixedWidth(BandColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(1, 0, 1, 0);
    layout->setSpacing(1);

    // A click on the number chooses the band's frequency edit: caption - 1
    // bands past the tag's page and the hint's slot.
    auto* number = Make<StyledLabel>(column, Name(numberLabel));
    number->setCaption(QString::number(band));
    number->setAlignment(Qt::AlignCenter);
    number->setClickable(true);
    number->setTag(page);
    number->setHint(QString::number(first + BandFrequency - (band - 1) * SlotsPerBand));
    number->setProperty("bandNumber", true);
    number->setOpaque(false);
    layout->addWidget(number);

    auto* letters = tightRow();
    const char* letterTexts[] = {"BY", "P", "LS", "HS"};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* letter = Make<StyledLabel>(column, Name(type.companions[i]));
        letter->setCaption(QString::fromLatin1(letterTexts[i]));
        letter->setAlignment(Qt::AlignCenter);
        letter->setClickable(true);
        letter->setProperty("typeLetter", true);
        letter->setHighlighted(false);
        letters->addWidget(letter);
    }
    layout->addLayout(letters);

    auto* modeBox = Combo(column, Name(type.control), BandTypeItems(spellingOf(page, band)),
                          QStringLiteral("1"));
    layout->addWidget(modeBox);

    auto* frequencyRow = tightRow();
    frequencyRow->addWidget(NumberEdit(column, Name(frequency.control), 2));
    auto* frequencySpin = Make<SpinButtons>(column, frequencySpinName(frequency.control));
    frequencySpin->setTag(makeTag(page, first + BandFrequency));
    frequencyRow->addWidget(frequencySpin);
    layout->addLayout(frequencyRow);

    auto* gainBar = Bar(column, Name(gain.companions[0]), 0, 180, Qt::Vertical);
    gainBar->setHint(QStringLiteral("0"));
    gainBar->setMinimumHeight(30);
    layout->addWidget(gainBar, 1, Qt::AlignHCenter);

    layout->addWidget(NumberEdit(column, Name(gain.control), 3));

    auto* qRow = tightRow();
    qRow->addWidget(NumberEdit(column, Name(qPeaking.control), 4));
    auto* spin = Make<SpinButtons>(column, Name(qSpin));
    qRow->addWidget(spin);
    layout->addLayout(qRow);
    return column;
}

QWidget* BandRow(QWidget* parent, int page, int first, int count,
                 const std::vector<std::string>& numberLabels) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < count; ++i)
        layout->addWidget(
            BandColumn(row, page, first + i, numberLabels[static_cast<std::size_t>(i)]));
    layout->addStretch(1);
    return row;
}

ScrollBox* BandScrollBox(QWidget* parent, const QString& name, int page, int count,
                         const std::vector<std::string>& numberLabels) {
    auto* box = Make<ScrollBox>(parent, name);
    box->setWidget(BandRow(box, page, 1, count, numberLabels));
    box->setWidgetResizable(true);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setMinimumWidth(3 * BandColumnWidth);
    return box;
}

} // namespace kdsp::build
