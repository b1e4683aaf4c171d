#pragma once

#include "input/word_code.h"
#include "lookup/character_lookup.h"
#include "lookup/dictionary.h"
#include "lookup/drawing_store.h"
#include "store/position_roots.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace lumbrell {

// What the main window shows after a user action: one immutable value per
// action, with what the action changed, so the window redraws only that.
struct SessionView {
    CharacterLookup lookup; // the character shown: codes, pictures, notes
    QString reading;        // the pinyin display
    QStringList candidates; // the candidate box, in table order
    // The word of two or more Chinese characters the entry box last received,
    // with its code; kept while the window shows one of its characters.
    std::optional<WordCode> word;

    // Unusable drawing files, named the first time the data shows such a
    // fault in a run (with the drawing folder gone every lookup would).
    QStringList drawingFault;

    bool lookupChanged = false;     // a lookup was made
    bool readingChanged = false;    // the pinyin display changed
    bool candidatesListed = false;  // a search listed candidates (maybe the same ones)
    bool focusCandidates = false;   // the caret goes behind the first candidate
    bool wordChanged = false;       // the word line appeared, changed or went
};

// The user's actions on the main window, without a window: each operation
// makes at most one lookup and, when it changes what the window shows, sends
// one view through `viewChanged`. A key typed into a box is two operations,
// the text's change and the key's release, and still one lookup.
class InputSession {
public:
    // tables: the ten pinyin and stroke tables (tables/table_texts.h).
    explicit InputSession(const TableTexts& tables);

    // Reads the data folder's record file (formats/data_files.h); false, with
    // the reason in *error, when it cannot be used. Nothing is created. The
    // position-roots file is read too where the data has one: without it the
    // pictures name nothing.
    bool open(const QString& dataFolder, QString* error);

    // The screen the pictures are made for.
    void setDevicePixelRatio(qreal ratio) { devicePixelRatio_ = ratio; }

    std::function<void(const SessionView&)> viewChanged;
    const SessionView& view() const { return view_; }
    const Dictionary& dictionary() const { return dictionary_; }

    // ---- the user's actions ----

    // The entry box's text changed: its first character is looked up (a
    // leading space too, which is no Chinese character), with its pinyin. A
    // word the change put in whole (an input method's commit, a paste) gets
    // its code; the release of the key then looks up its last character.
    void lookUpFirstCharacter(const QString& text);
    // Text was picked with the mouse: one character is looked up; the pinyin
    // display shows the pinyin of what was picked.
    void pickText(const QString& picked);
    // A key was released, or text committed, in a box: the character in front
    // of the caret (a unit offset into text) is looked up, with its pinyin,
    // unless it is the character shown.
    void takeCharacterBefore(const QString& text, qsizetype caret);
    // Five chosen strokes as a stroke key (input/stroke_key.h): its
    // characters are listed and the first one is looked up.
    void searchStrokes(const QString& strokeKey);
    // A syllable typed into the chooser's field, or chosen from its list (the
    // focus then goes to the candidates): its characters are listed, the
    // syllable shown, the first character looked up. The field takes the
    // spellings users type (input/syllable_spelling.h); one that stands for no
    // syllable leaves the candidates, the pinyin and the pictures as they were.
    void typeSyllable(const QString& text) { searchSyllable(text, false); }
    void chooseSyllable(const QString& text) { searchSyllable(text, true); }

private:
    SessionView nextView() const;
    void searchSyllable(const QString& text, bool chosen);
    bool isShown(const QString& character) const;
    void lookUpInto(SessionView& next, const QString& character);
    // The pinyin display of a text picked as a character; a blank text leaves it.
    void readingInto(SessionView& next, const QString& text) const;
    static void setReading(SessionView& next, const QString& reading);
    // The word the entry box's change put in, if any; any other change ends the word shown.
    void receiveEntryInto(SessionView& next, const QString& text);
    void show(SessionView next);

    Dictionary dictionary_;
    DrawingStore drawings_;
    PositionRoots positionRoots_;
    qreal devicePixelRatio_ = 1;
    SessionView view_;
    bool drawingFaultTold_ = false;
    QString entryText_; // the entry box's text before its latest change
};

} // namespace lumbrell
