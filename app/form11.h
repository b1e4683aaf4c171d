#pragma once

#include "input/input_session.h"
#include "tables/table_texts.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumbrell {

class PictureBox;
class SyllableChooser;

// The main window: its controls, and thin slots that hand each user event to
// the input session and show what the session reports. The state behind the
// input paths and the lookup lives in the session.
class Form11 : public QWidget {
    Q_OBJECT

public:
    // Builds the window on the data in programFolder (wwbb11.dat and bmp/) and
    // the given tables, and runs the start-up steps. When the data file can be
    // neither opened nor created, startupError() says why and the window must
    // not be shown.
    Form11(const QString& programFolder, const TableTexts& tables, QWidget* parent = nullptr);
    ~Form11() override;

    const QString& startupError() const { return startupError_; }
    InputSession& session() { return session_; }

    // Platform seams: a modal message box (title, text) with one OK button and no
    // icon; a message that neither blocks nor takes the keyboard focus; and the
    // hand-over of a link target to the desktop's default handler (which says
    // so in a message box, naming the address, when no program takes it).
    // Tests replace them.
    std::function<void(const QString& title, const QString& text)> messageBox;
    std::function<void(const QString& title, const QString& text)> notice;
    std::function<void(const QString& target)> openOnDesktop;

    // ---- visible controls ----
    QPushButton* Command2 = nullptr;  // about
    QPushButton* Command8 = nullptr;  // stroke-input help
    QLineEdit* Text5 = nullptr;       // entry box
    QLabel* Label15 = nullptr;
    QLabel* Label22 = nullptr;
    std::array<QComboBox*, 5> Combo{}; // Combo1 … Combo5 are Combo[0] … Combo[4]
    SyllableChooser* Combo6 = nullptr;
    QPlainTextEdit* Text6 = nullptr;  // candidate box
    QFrame* Line2 = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;        // code line (blue)
    QLabel* Label5 = nullptr;         // code line (white twin)
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;        // pinyin (blue)
    QLabel* Label25 = nullptr;        // pinyin (white twin)
    std::array<PictureBox*, 4> Picture1{};
    PictureBox* Picture2 = nullptr;   // not-found panel
    QLabel* Label27 = nullptr;
    QLabel* Label28 = nullptr;        // link in the not-found panel
    QLabel* notChinese = nullptr;     // the note for input that is no Chinese character
    QLabel* unsplitNote = nullptr;    // the note for a drawing none of whose components is marked
    QLabel* undrawnNote = nullptr;    // the note for a character that has no drawing
    QLabel* wordLine = nullptr;       // the code of a word the entry box received

    std::array<QImage, 16> Image13;   // identification diagrams
    QCursor Image2;                   // pointing hand of Text6 and Label28

    // ---- slots: each hands one user event to the session ----
    void Text5_Change();   // the entry box's text changed: its first character is looked up
    void Text5_Click();    // a click in the entry box: the character after it, or the selection
    void Text5_KeyUp();    // a key released in the entry box: the character before the caret
    void Text6_Click();    // a click on a candidate picks it
    void Text6_KeyUp();    // a key released in the candidate box: the candidate before the caret
    void bian();           // a stroke chooser was changed or picked: search the five strokes
    void Combo6_Change();  // the syllable field was edited: search the syllable
    void Combo6_Click();   // a syllable was chosen: search it and go to the candidates
    void Command6_Click(); // the lookup of the session's query character

    // ---- application shell ----
    void Command2_Click();
    void Command8_Click();
    void Label28_Click();

    // Writes a visible label's caption and resizes it to its text.
    static void setCaption(QLabel* label, const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Rendering what the session reports.
    void render(InputSession::Change change);
    void showLookup();
    void showCandidates();
    void focusFirstCandidate();
    void showWord();
    void reportUnreadableDrawings(const QStringList& paths);

    bool refuseInputMethod(QObject* watched, QEvent* event);
    void createControls();
    void connectHandlers();
    void startUp();
    void applyLooks();                 // fonts, colours, pictures, pointers

    QString programFolder_;
    QString startupError_;
    InputSession session_;
    bool drawingProblemTold_ = false;  // an unreadable drawing is reported once per run
    QPointer<QWidget> about_; // the about window while it exists
};

} // namespace lumbrell
