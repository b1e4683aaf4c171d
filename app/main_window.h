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

// The main window: its controls, the translation of user events into the
// input session's operations, and the rendering of the views it sends. Each
// control carries its design name (Text5, Combo6, …) as its object name.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Builds the window on the data in dataFolder (the record file and the
    // drawings) and the given tables. When the record file cannot be used,
    // startupError() says why and the window must not be shown.
    MainWindow(const QString& dataFolder, const TableTexts& tables, QWidget* parent = nullptr);
    ~MainWindow() override;

    const QString& startupError() const { return startupError_; }
    const InputSession& session() const { return session_; }

    // Platform seams: a modal message box (title, text) with one OK button and no
    // icon; a message that neither blocks nor takes the keyboard focus; and the
    // hand-over of a link target to the desktop's default handler (which says
    // so in a message box, naming the address, when no program takes it).
    // Tests replace them.
    std::function<void(const QString& title, const QString& text)> messageBox;
    std::function<void(const QString& title, const QString& text)> notice;
    std::function<void(const QString& target)> openOnDesktop;

    // Looks up a character given from outside (the command line, a later
    // start): written into the entry box, selected, with the focus there.
    void lookUpInEntryBox(const QString& character);

    // Writes a label's caption and resizes it to its text.
    static void setCaption(QLabel* label, const QString& caption);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- the user's events, translated into the session's operations ----
    void entryClicked();               // the character after the caret, or the selection
    void candidateClicked();           // the candidate clicked
    void keyReleasedIn(QWidget* box);  // the character in front of the caret
    void strokesChosen();              // a stroke chooser was changed or picked
    void showAboutWindow();
    void showStrokeHelp();
    void openHomePage();
    bool refuseInputMethod(QObject* watched, QEvent* event);

    // ---- rendering the session's views ----
    void render(const SessionView& view);
    void showWord(const std::optional<WordCode>& word);
    void showLookup(const CharacterLookup& lookup);
    void nameThePictures(const std::array<QString, 4>& words);
    void showReading(const QString& reading);
    void showCandidates(const QStringList& candidates);
    void focusFirstCandidate();

    void createControls();
    void connectHandlers();
    void startUp();
    void applyLooks(); // fonts, colours, pictures, pointers

    // ---- the controls ----
    QPushButton* aboutButton_ = nullptr;
    QPushButton* strokeHelpButton_ = nullptr;
    QLineEdit* entryBox_ = nullptr;
    QLabel* entryPrompt_ = nullptr;
    QLabel* strokePrompt_ = nullptr;
    std::array<QComboBox*, 5> strokeChoosers_{};
    SyllableChooser* syllableChooser_ = nullptr;
    QPlainTextEdit* candidateBox_ = nullptr;
    QFrame* candidateRule_ = nullptr;    // along the candidate box's right edge
    QFrame* resultFrame_ = nullptr;      // under the pictures: the code line and the pinyin
    QFrame* pictureRule_ = nullptr;      // under the pictures, inside the frame
    QLabel* codeHeading_ = nullptr;
    QLabel* codeLine_ = nullptr;         // blue, over its white shadow
    QLabel* codeShadow_ = nullptr;
    QLabel* pinyinHeading_ = nullptr;
    QLabel* pinyinLine_ = nullptr;       // blue, over its white shadow
    QLabel* pinyinShadow_ = nullptr;
    std::array<PictureBox*, 4> positionBoxes_{}; // one picture per code position
    PictureBox* notFoundPanel_ = nullptr;
    QLabel* notFoundMessage_ = nullptr;
    QLabel* homePageLink_ = nullptr;     // in the not-found panel
    QLabel* notChineseNote_ = nullptr;   // for input that is no Chinese character
    QLabel* unsplitNote_ = nullptr;      // for a drawing none of whose components is marked
    QLabel* undrawnNote_ = nullptr;      // for a character that has no drawing
    QLabel* wordLine_ = nullptr;         // the code of a word the entry box received

    std::array<QImage, 16> identificationDiagrams_;
    QCursor handCursor_; // over the candidate box and the home page link

    QString startupError_;
    InputSession session_;
    QPointer<QWidget> about_; // the about window while it exists
};

} // namespace lumbrell
