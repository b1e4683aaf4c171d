#pragma once

#include "input/field.h"
#include "input/word_code.h"
#include "lookup/lookup_plan.h"
#include "store/char_record.h"
#include "store/record_file.h"
#include "tables/table_texts.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace lumbrell {

// The state behind the main window's input paths and lookup, without a
// window: the query character, the pinyin key and its kind, the stroke key,
// the candidates, the tables and their search positions, and the record file.
// The window forwards each user event to one of the operations below and
// renders what `changed` reports.
class InputSession {
public:
    // What the pinyin key holds.
    enum class KeyKind { Character, Syllable };
    // What the last lookup found.
    enum class Outcome {
        None,         // nothing looked up yet
        Found,        // a record: plan() says what to show
        NotFound,     // a Chinese character without a record
        NotChinese,   // something that is no Chinese character at all
    };
    // Which part of what the window shows has changed.
    enum class Change { Lookup, Pinyin, Candidates, FocusCandidates, Word };

    explicit InputSession(const TableTexts& tables);

    // Opens the record file (created empty when missing) and reads record 1;
    // false, with the reason in *error, when it can be neither opened nor created.
    bool open(const QString& dataFile, QString* error);
    void close() { file_.close(); }

    // Called after every change the window must show (nested in the operation).
    std::function<void(Change)> changed;

    // ---- user events ----
    void entryChanged(const QString& text);                  // the entry box's text changed
    void characterPicked(const QString& selected);           // a click selected text in a box
    void keyReleasedAt(const QString& text, qsizetype caret); // a key released in a box: the character before the caret
    void strokesChosen(const std::array<QString, 5>& choosers); // a stroke chooser was changed or picked
    void syllableTyped(const QString& text);                 // the syllable field was edited
    void syllableChosen(const QString& text);                // a syllable was picked: also focus the candidates

    // The lookup of the query character.
    void lookUp();

    // ---- the find-next searches: one step of a run over a table text ----
    std::optional<QString> searchPreceding(const QString& table, const QString& key);
    std::optional<QString> searchFollowing(const QString& table, const QString& key);
    std::int32_t precedingPosition() const { return precedingPos_; }
    std::int32_t followingPosition() const { return followingPos_; }

    // ---- what the window shows ----
    Outcome outcome() const { return outcome_; }
    const LookupPlan& plan() const { return plan_; }
    const QString& codeLine() const { return plan_.codeLine; }
    const QString& notFoundText() const { return notFoundText_; } // the input of a NotFound / NotChinese lookup
    const QString& pinyin() const { return pinyin_; }
    const QStringList& candidates() const { return candidates_; }
    QString candidateText() const; // each candidate followed by one space
    // The word of two or more Chinese characters the entry box last received,
    // with its code; kept while the window shows one of its characters.
    const std::optional<WordCode>& word() const { return word_; }

    // ---- the hidden state ----
    Field& query() { return query_; }
    const QString& pinyinKey() const { return pinyinKey_.text(); }
    KeyKind keyKind() const { return keyKind_; }
    const QString& strokeKey() const { return strokeKey_; }
    const CharRecord& shownRecord() const { return shownRecord_; }
    RecordFile& file() { return file_; }
    const TableTexts& tables() const { return tables_; }

    // The pinyin of a character: the syllable field of its last line in the
    // first pinyin table that lists it, or "" when none does.
    QString pinyinOf(const QString& character);

private:
    void notify(Change change);
    void pickCharacter(const QString& character); // query, then the pinyin key as a character
    void setPinyinKey(const QString& key);         // always runs the pinyin side, also for the same key
    void pinyinKeyChanged();
    void searchSyllable(int table);
    void searchStrokes(int table);
    void listCandidates(const QString& table, const QString& key);
    void setPinyin(const QString& pinyin);
    bool takeSyllable(const QString& text);
    void receiveEntry(const QString& text); // the word the entry box received, if any
    void forgetWordUnlessShowing(QStringView character);

    TableTexts tables_;
    RecordFile file_;
    CharRecord shownRecord_;

    Field query_;      // the query character; a change runs the lookup
    Field pinyinKey_;  // a syllable key or a character
    KeyKind keyKind_ = KeyKind::Syllable;
    QString strokeKey_;
    QStringList candidates_;
    std::int32_t precedingPos_ = 0;
    std::int32_t followingPos_ = 0;

    Outcome outcome_ = Outcome::None;
    LookupPlan plan_;
    QString notFoundText_;
    QString pinyin_;
    QString entryText_;
    std::optional<WordCode> word_;
};

} // namespace lumbrell
