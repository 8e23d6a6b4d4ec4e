#pragma once

#include <QObject>
#include <QSet>

namespace kdsp {

class Console;
class Edit;

// The keyboard side of the console's numeric edits (band edits, the music
// input gain, the auxiliary limits): only digits, '-', '.', Backspace and
// Enter are typed; Left/Right step a band's frequency and Up/Down its gain,
// whichever of the two has the focus; leaving an edit commits what was
// typed, or puts the last good text back when the edit was emptied. Also a
// click on a band's number chooses the band's frequency edit.
class EditKeys : public QObject {
    Q_OBJECT
public:
    explicit EditKeys(Console& console);

    // Set by a key that types or deletes in an edit, cleared by leaving it:
    // only typing makes leaving an edit send. The arrows send their step
    // themselves.
    bool typed() const { return typedEdit_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(Edit* edit, int key, const QString& text);
    // The arrow keys; true when the key was used.
    bool keyDown(Edit* edit, int key);
    void chooseNeighbour(Edit* edit, int offset);
    void markTyped(Edit* edit);
    // Leaving an edit (or Enter): commits what was typed, or puts the last
    // good text back into an emptied edit.
    void left();

    Console& console_;
    QSet<QObject*> edits_;
    // The edit typed into since it was last left, and its text before.
    Edit* typedEdit_ = nullptr;
    QString typedGood_;
};

} // namespace kdsp
