#include "app/editors/edit_keys.h"

#include "app/console/console.h"
#include "model/value_scales.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <utility>

namespace kdsp {

namespace {

bool typeable(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
           c == QLatin1Char('.') || c == QLatin1Char('\b') || c == QLatin1Char('\r');
}

} // namespace

EditKeys::EditKeys(Console& console) : console_(console) {
    const ControlBindings& bindings = console.bindings();
    const auto take = [this](Edit* edit) {
        if (edit == nullptr || console_.isPlaceholder(edit) || edits_.contains(edit))
            return;
        edits_.insert(edit);
        edit->installEventFilter(this);
    };
    for (int page = 0; page < PageCount; ++page) {
        for (int slot = 0; slot < SlotsPerPage; ++slot)
            take(dynamic_cast<Edit*>(bindings.control(makeTag(page, slot))));
    }
    // Both tabs' gain edits of the auxiliary page, whichever is bound now.
    for (int band = 0; band < static_cast<int>(AuxGainSlots.size()); ++band) {
        for (bool secondTab : {false, true})
            take(bindings.find<Edit>(QString::fromStdString(AuxGainEditName(band, secondTab))));
    }

    // The number above a band: its caption counts bands from the slot its
    // tag and hint give, and a click chooses the frequency edit there.
    std::vector<StyledLabel*> numbers = bindings.reverbNumberLabels;
    for (const std::vector<StyledLabel*>& row : bindings.numberLabels)
        numbers.insert(numbers.end(), row.begin(), row.end());
    for (StyledLabel* number : numbers) {
        if (number == nullptr)
            continue;
        connect(number, &StyledLabel::clicked, this, [this, number] {
            const Tag tag = (number->caption().toInt() - 1) * SlotsPerBand + number->tag() * 256 +
                            number->hint().toInt();
            auto* edit = dynamic_cast<Edit*>(console_.bindings().control(tag));
            if (edit != nullptr && edit->isEnabled())
                console_.chooseEdit(edit);
        });
    }
}

bool EditKeys::eventFilter(QObject* watched, QEvent* event) {
    if (!edits_.contains(watched))
        return false;
    auto* edit = static_cast<Edit*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Tab and Shift+Tab only pass through: tabbing sends nothing.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        // The key itself first, then the character it types.
        if (keyDown(edit, key->key()))
            return true;
        return keyPressed(edit, key->key(), key->text());
    }
    case QEvent::FocusOut: {
        // Another window coming up (a message, a menu) is no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            left();
        return false;
    }
    default:
        return false;
    }
}

bool EditKeys::keyDown(Edit* edit, int key) {
    if (key == Qt::Key_Delete)
        markTyped(edit);
    const bool up = key == Qt::Key_Up || key == Qt::Key_Right;
    const bool down = key == Qt::Key_Down || key == Qt::Key_Left;
    // After a bar was moved no edit is chosen, and the arrows keep to the
    // edit's own cursor.
    if ((!up && !down) || console_.isPlaceholder(console_.activeEdit()))
        return false;
    // An arrow commits its step at once. Text typed before it is committed
    // first, so that it is neither lost when the focus moves on nor sent
    // again when the edit is left.
    if (typedEdit_ != nullptr)
        left();
    // Left/Right belong to the band's frequency, Up/Down to its gain.
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
    if (vertical && edit->hint() == QLatin1String("2"))
        chooseNeighbour(edit, +1);
    else if (!vertical && edit->hint() == QLatin1String("3"))
        chooseNeighbour(edit, -1);
    console_.applyTypedText(up ? ActionStepUp : ActionStepDown);
    return true;
}

void EditKeys::chooseNeighbour(Edit* edit, int offset) {
    if (auto* neighbour = dynamic_cast<Edit*>(console_.bindings().control(edit->tag() + offset)))
        console_.chooseEdit(neighbour);
}

bool EditKeys::keyPressed(Edit* edit, int key, const QString& text) {
    // Keys that type nothing (Delete, Home, End) edit the text as usual.
    if (text.isEmpty() || key == Qt::Key_Delete)
        return false;
    if (console_.activeEdit() != edit) {
        console_.setLastGoodText(edit->text());
        console_.setActiveEdit(edit);
    }
    markTyped(edit);
    for (QChar c : text) {
        if (!typeable(c))
            return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        left();
        return true;
    }
    return false;
}

void EditKeys::markTyped(Edit* edit) {
    if (typedEdit_ == edit)
        return;
    typedEdit_ = edit;
    typedGood_ = edit == console_.activeEdit() ? console_.lastGoodText() : edit->text();
}

void EditKeys::left() {
    Edit* active = console_.activeEdit();
    Edit* typed = std::exchange(typedEdit_, nullptr);
    if (typed != nullptr && typed != active) {
        // A spin button chose another edit before this one lost the focus:
        // what was typed here is still this edit's to commit.
        const QString activeGood = console_.lastGoodText();
        console_.setActiveEdit(typed);
        console_.setLastGoodText(typedGood_);
        console_.applyTypedText(ActionSet);
        console_.setActiveEdit(active);
        console_.setLastGoodText(activeGood);
        return;
    }
    if (active == nullptr || console_.isPlaceholder(active))
        return;
    if (active->text().isEmpty())
        active->setText(console_.lastGoodText());
    else if (typed != nullptr)
        console_.applyTypedText(ActionSet);
}

} // namespace kdsp
