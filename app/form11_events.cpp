// Which user event, or which write of a hidden control, runs which handler.
#include "app/form11.h"

#include "app/syllable_chooser.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumbrell {

void Form11::connectHandlers()
{
    Text23.setChangeHandler([this] { Text23_Change(); });
    Label3.setChangeHandler([this] { Label3_Change(); });
    Text2bh.setChangeHandler([this] { Text2bh_Change(); });
    Text2bhw.setChangeHandler([this] { Text2bhw_Change(); });
    Label4.setChangeHandler([this] { Label4_Change(); });

    connect(Text5, &QLineEdit::textChanged, this, [this] { Text5_Change(); });
    connect(Text6, &QPlainTextEdit::textChanged, this, [this] { Text6_Change(); });

    using Handler = void (Form11::*)();
    const std::array<std::pair<Handler, Handler>, 5> strokeHandlers = {{
        {&Form11::Combo1_Change, &Form11::Combo1_Click},
        {&Form11::Combo2_Change, &Form11::Combo2_Click},
        {&Form11::Combo3_Change, &Form11::Combo3_Click},
        {&Form11::Combo4_Change, &Form11::Combo4_Click},
        {&Form11::Combo5_Change, &Form11::Combo5_Click},
    }};
    for (int i = 0; i < 5; ++i) {
        const auto [change, click] = strokeHandlers[i];
        connect(Combo[i]->lineEdit(), &QLineEdit::textEdited, this, [this, change] { (this->*change)(); });
        connect(Combo[i], qOverload<int>(&QComboBox::activated), this, [this, click] { (this->*click)(); });
    }
    connect(Combo6, &SyllableChooser::edited, this, [this] { Combo6_Change(); });
    connect(Combo6, &SyllableChooser::chosen, this, [this] { Combo6_Click(); });

    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });

    Text5->installEventFilter(this);
    Text6->installEventFilter(this);
    Text6->viewport()->installEventFilter(this);
    Label28->installEventFilter(this);
}

bool Form11::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    const bool leftRelease = type == QEvent::MouseButtonRelease
                             && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        if (watched == Text5)
            Text5_KeyUp();
        else if (watched == Text6)
            Text6_KeyUp();
    } else if (leftRelease) {
        // The click handlers run after the box has placed its caret.
        if (watched == Text5) {
            Text5->event(event);
            Text5_Click();
            return true;
        }
        if (watched == Text6->viewport()) {
            QObject* viewport = Text6->viewport();
            viewport->removeEventFilter(this);
            QCoreApplication::sendEvent(viewport, event);
            viewport->installEventFilter(this);
            Text6_Click();
            return true;
        }
        if (watched == Label28) {
            Label28_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumbrell
