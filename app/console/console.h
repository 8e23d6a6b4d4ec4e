#pragma once

#include "app/console/control_bindings.h"
#include "model/parameter_model.h"
#include "presets/bilingual.h"
#include "presets/prompter.h"

#include <QColor>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kdsp {

class MainWindow;
class VolumeMarkers;

// The three flags that keep values the console pushes into its own controls
// from coming back as user edits. Each is set and cleared inside one
// operation.
struct ConsoleFlags {
    bool loading = false;           // binding or refreshing: no last edit, no highlighting
    bool sendingSuppressed = false; // committed values are stored but not sent
    bool trackBarGuard = false;     // showValue is moving a bar: its handler stays out
};

// A (view tag, value) pair; the last edit is what the graph repaints next.
struct TagValue {
    Tag tag = -1;
    int value = 0;
    friend bool operator==(const TagValue&, const TagValue&) = default;
};

// The console behind the main window: binds every control to its page and
// slot, shows stored values, sends user changes through the model to the
// link, selects what the shared panels stand for, and switches language.
//
// Committed changes go to `link` unless sending is suppressed. Messages to
// the user go through `prompter`.
class Console : public QObject, private ModelObserver {
    Q_OBJECT
public:
    Console(MainWindow& window, CommitSink& link, Prompter& prompter);
    ~Console() override;

    ParameterModel& model() { return model_; }
    const ParameterModel& model() const { return model_; }
    const ControlBindings& bindings() const { return bindings_; }
    ConsoleFlags& flags() { return flags_; }

    // The first-show step: binds, resets every equaliser, selects the music
    // page and starts the window timer. Runs once; the window's first show
    // runs it too.
    void start();

    // --- Binding ---
    void bindControls();
    void adjustBindings();

    // --- Values on screen ---
    // Shows `value` in an edit, read-out pane or type box. `action` is
    // ActionSet, ActionStepUp or ActionStepDown; `fromStore` values are not
    // sent back.
    void showValue(Control* control, int action, bool fromStore, double value);
    // Pushes the stored values of view page `page` (ResetAllPages for all)
    // into the controls with sending suppressed.
    void refreshView(int page);
    int widgetState(Control* control, int kind);
    // Greys the output section in automatic mode.
    void setOutputEditing(bool enabled);
    // A value the box reported for `storeTag` (already in the store), shown
    // wherever the current view shows that address; nothing is sent.
    void showStoredValue(Tag storeTag, int value);
    // After a complete download: every page, then the current view again.
    void refreshAfterDownload();

    // --- View selection and channel links ---
    int selectView(int viewType);
    void linkButtonClick(BitmapButton* button);
    void copyChannel();
    // A page tab was clicked.
    void selectTab(ToolButton* tab);

    // --- Language ---
    Language language() const { return language_; }
    void setLanguage(Language language);
    // The language button: the other language, then the view again.
    void switchLanguage();
    // A message in the console language through the prompter.
    void showPrompt(std::string_view chinese, std::string_view english);

    // --- Link on screen ---
    // LinkLabel: the console language's text as caption, the other as hint.
    void showLinkStatus(std::string_view chinese, std::string_view english);
    // The connected look (LinkBtn pressed, "断开") or the disconnected one.
    void setLinkButtonsConnected(bool connected);
    bool linkButtonsConnected() const { return linkConnected_; }
    // Where the refresh reads the names of the box's modes (list 0 system,
    // 1 hint; index 0..15).
    void setModeNameSource(std::function<std::string(int list, int index)> source);

    // --- Edits ---
    // Turns the active edit's text into a value (ActionSet) or steps it.
    void applyTypedText(int action);
    Edit* activeEdit() const { return activeEdit_; }
    void setActiveEdit(Edit* edit);
    // Whether `edit` is the hidden edit that stands for "none chosen".
    bool isPlaceholder(const Edit* edit) const { return edit == placeholderEdit_; }
    // What a click on a numeric edit does: the edit bound to its tag becomes
    // the active edit with the wheel on it, and its text is made canonical
    // without sending anything.
    void chooseEdit(Edit* edit) { editClicked(edit); }
    // The text put back when typed text cannot be used.
    const QString& lastGoodText() const { return lastGoodText_; }
    void setLastGoodText(const QString& text) { lastGoodText_ = text; }

    // --- Mode boxes ---
    // Puts the chosen mode's name into the box's name edit.
    void modeBoxChanged(ComboBox* box);
    // The box has stored a mode of list `list` (0 system, 1 hint): its mode
    // boxes show the names again, keeping the mode chosen.
    void rebuildModeList(int list);
    // The one-click mode buttons show the recalled system mode.
    void showFactoryModeButtons();

    // --- Window state read by the graph and the tests ---
    int currentViewType() const { return currentViewType_; }
    int currentView() const { return model_.selection().CurrentView; }
    int lastEffectTab() const { return lastEffectTab_; }
    bool manualMode() const { return manual_; }
    int eqPassState(int viewPage) const { return eqPassState_[static_cast<std::size_t>(viewPage)]; }
    int selectedBand(int sheet) const { return selectedBand_[static_cast<std::size_t>(sheet)]; }
    TagValue lastEdit() const { return lastEdit_; }
    QColor curveColour() const { return curveColour_; }
    bool wheelTarget() const { return wheelTarget_; }
    bool captureFrozen() const { return captureFrozen_; }
    // Switching the analyser on lets captured sound through again.
    void setCaptureFrozen(bool frozen) { captureFrozen_ = frozen; }

    // The 10 ms step of the window timer.
    void tick();

signals:
    // The curves of the current view are to be drawn again.
    void redrawRequested();
    // The last edit changed since the previous tick: repaint its band.
    void lastEditChanged(TagValue edit);
    void languageChanged(Language language);
    // A download (or an upload that ends like one) has been shown in every
    // control; the lock check follows it.
    void downloadShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class SendGate : public CommitSink {
    public:
        SendGate(CommitSink& link, const ConsoleFlags& flags) : link_(link), flags_(flags) {}
        void sendParameter(Tag storeTag, std::int32_t value) override {
            if (!flags_.sendingSuppressed)
                link_.sendParameter(storeTag, value);
        }

    private:
        CommitSink& link_;
        const ConsoleFlags& flags_;
    };

    // ModelObserver
    void musicInputGainEnabled(bool enabled) override;
    void refreshRequested(int viewPage) override;

    // console.cpp
    void connectHandlers();
    template <class T> T* find(const char* name) const {
        return bindings_.find<T>(QString::fromLatin1(name));
    }
    void setBilingual(Control* control, std::string_view chinese, std::string_view english);
    bool keyShortcut(int key);
    void stepVolume(const char* bar, int step);

    // show_value.cpp
    void refreshSlot(int page, int slot);
    void refreshSystemPage();
    void fillModeBoxes();
    void fillModeBox(const char* name, int list, int selected);

    // widget_state.cpp
    void highlightBand(Control* control, int sheet);
    // EQ Reset is offered while the page's equaliser is not bypassed.
    void updateEqResetButton();

    // handlers.cpp: what a control does when the user (or a refresh) works it
    void barChanged(TrackBar* bar);
    void gainBarChanged(TrackBar* bar);
    void volumeBarChanged(TrackBar* bar);
    void typeChanged(ComboBox* box);
    void typeLetterClicked(StyledLabel* letter);
    void triggerButtonClicked(BitmapButton* button);
    void crossoverTypeChanged(ComboBox* box);
    void sourceBoxChanged(ComboBox* box);
    void phaseClicked(BitmapButton* button);
    void muteClicked(BitmapButton* button);
    void eqPassClicked();
    void eqResetClicked();
    void autoManualClicked(BitmapButton* button);
    void singDiscoClicked(BitmapButton* button);
    void switchPairClicked(BitmapButton* button);
    void effectTabClicked(ToolButton* tab);
    void hintTabClicked(ToolButton* tab);
    void editClicked(Edit* edit);
    void spinClicked(SpinButtons* spin, int action);
    void panBarMoved(const char* box, int position);

    MainWindow& window_;
    Prompter& prompter_;
    ConsoleFlags flags_;
    SendGate gate_;
    ParameterModel model_;
    ControlBindings bindings_;

    Language language_ = Language::Chinese;
    int currentViewType_ = 0;
    int lastEffectTab_ = 0;
    bool wheelTarget_ = false;
    bool manual_ = true;
    bool started_ = false;
    bool linkConnected_ = false;
    bool captureFrozen_ = false;
    std::array<int, PageCount> eqPassState_{};
    std::array<int, 9> selectedBand_{};
    TagValue lastEdit_;
    TagValue lastDrawn_;
    QColor curveColour_{255, 102, 0};
    Edit* activeEdit_ = nullptr;
    Edit* previousEdit_ = nullptr;
    Edit* placeholderEdit_ = nullptr;
    QString lastGoodText_;
    std::unique_ptr<VolumeMarkers> volumeMarkers_;
    std::function<std::string(int, int)> modeName_;
};

} // namespace kdsp
