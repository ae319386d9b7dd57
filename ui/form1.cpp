#include "ui/form1.h"

#include "behaviour/form1_clicks.h"
#include "behaviour/form1_controls.h"
#include "behaviour/paste.h"
#include "behaviour/spoken_amounts.h"
#include "calc/number_text.h"
#include "calc/pasted_amount.h"
#include "designs/form1_design.h"
#include "ui/about_window.h"
#include "ui/announcer.h"
#include "ui/control_table.h"
#include "ui/entry_display.h"
#include "ui/failure_balloon.h"
#include "ui/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

#include <utility>

namespace abaquino::ui {

namespace {

// A lone Alt would hand the keyboard to the menu bar without a visible sign, and the next keys
// would be lost to the calculator (Enter would even choose "Esci"). As in most Linux programs,
// the menu is reached by its access keys, Alt+E and Alt+I, which choose an entry at once.
class NoAltNavigation final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

Form1::Form1(std::function<void()> beep)
    : beep_(beep ? std::move(beep) : std::function<void()>(&QApplication::beep)),
      balloon_(new FailureBalloon(this))
{
    setObjectName(FromUtf8(kForm1.name));
    setWindowTitle(FromUtf8(kForm1.caption));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(MakeFont(kForm1Font));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, MakeColour(kForm1Background));
    client->setPalette(palette);
    // Sizable, but the controls keep their places: the client area grows from the top left.
    client->setMinimumSize(Pixels(kForm1.clientWidth), Pixels(kForm1.clientHeight));
    setCentralWidget(client);

    TakeControls(BuildControls(kForm1Controls, client));
    announcer_ = new Announcer(client);
    BuildMenu();
    behaviour::StartingOption(*this)->setChecked(true);
    BindEvents();
    DescribeConversion();
    new KeyPreview(this, kForm1Controls, controls_, calculator_,  // owned by this window
                   {.copyFocusedDisplay = [this] { Copy(behaviour::CopyFrom::FocusedDisplay); },
                    .paste = [this] { Paste(QClipboard::Clipboard); },
                    .chooseOtherOption = [this] { ChooseOtherOption(); }});
    controls_[StartFocus(kForm1Controls)]->setFocus(Qt::OtherFocusReason);

    adjustSize();
    windows_.Load(this);
}

Form1::~Form1() { windows_.Forget(this); }

void Form1::TakeControls(const BuiltControls& controls)
{
    controls_ = controls.All();
    behaviour::TakeForm1Controls(*this, [&controls](std::size_t place, auto& field) {
        field = controls.At<std::remove_pointer_t<std::remove_reference_t<decltype(field)>>>(place);
    });
}

// Centred on the screen, frame included, once the frame's size is known.
void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (centred_ || event->spontaneous()) return;
    centred_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void Form1::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setFont(QApplication::font());
    auto* style = new NoAltNavigation(QApplication::style()->name());
    style->setParent(bar);
    bar->setStyle(style);
    for (const MenuEntryDesign& entry : kForm1Menu) {
        QAction* action = bar->addAction(FromUtf8(entry.caption));
        action->setObjectName(ObjectName(entry.name, entry.index));
        // Queued, so that the menu bar has let go of the entry before a window's modal loop
        // starts (About's); else it stays highlighted while the window is open.
        const Qt::ConnectionType when = entry.name == "Esci" ? Qt::AutoConnection : Qt::QueuedConnection;
        connect(action, &QAction::triggered, this, [this, &entry] { behaviour::ChooseMenuEntry(*this, entry); }, when);
    }
}

void Form1::BindEvents()
{
    for (std::size_t place = 0; place < kForm1Controls.size(); ++place) {
        const ControlDesign& design = kForm1Controls[place];
        const auto click = [this, &design] { behaviour::Click(calculator_, design); };
        if (design.kind == ControlKind::PushButton) {
            connect(static_cast<QPushButton*>(controls_[place]), &QPushButton::clicked, this, click);
        } else if (design.kind == ControlKind::OptionButton) {
            BindOption(static_cast<QRadioButton*>(controls_[place]), click);
        }
    }
    Calculator* c = &calculator_;
    connect(txtDisplay, &QLineEdit::textChanged, this, [c] { c->txtDisplay_Change(); });
    connect(txtDisplay, &EntryDisplay::gotFocus, this, [c] { c->txtDisplay_GotFocus(); });
    connect(txtDisplay, &EntryDisplay::copyRequested, this, [this] { Copy(behaviour::CopyFrom::Entry); });
    connect(txtDisplay, &EntryDisplay::pasteRequested, this, &Form1::Paste);
}

// An option is clicked by the mouse, Space or an arrow key, and also chosen by a screen reader's
// "Toggle", which does not click. Choosing runs the handler; a click runs it only when the
// option was chosen already as it was pressed, so that every way runs it exactly once.
void Form1::BindOption(QRadioButton* option, const std::function<void()>& handler)
{
    connect(option, &QRadioButton::pressed, this, [this, option] { optionChosenAtPress_ = option->isChecked(); });
    connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
        if (!on) return;
        DescribeConversion();
        handler();
    });
    connect(option, &QRadioButton::clicked, this, [this, handler] {
        if (std::exchange(optionChosenAtPress_, false)) handler();
    });
}

// A screen reader reviewing the window hears the converted amount with its currency.
void Form1::DescribeConversion()
{
    const auto& design = kForm1Controls[PlaceOf(kForm1Controls, "TxtDisplay1")];
    TxtDisplay1->setAccessibleDescription(
        FromUtf8(behaviour::ConversionDescription(design.accessibleDescription, behaviour::ShownCurrency(*this))));
}

void Form1::Esci_Click(std::int16_t /*Index*/) { close(); }

void Form1::Informazioni_Click()
{
    frmAbout about(this, windows_);
    about.exec();
}

QRadioButton* Form1::ChosenOption() const
{
    return behaviour::ChosenOptionOf(*this, [](const QRadioButton* option) { return option->isChecked(); });
}

// Qt takes Tab focus from the unchosen option by itself; the group is one stop anyway.
bool Form1::focusNextPrevChild(bool next)
{
    const auto takesTab = [](const QWidget* control) { return (control->focusPolicy() & Qt::TabFocus) != 0; };
    QWidget* stop = behaviour::NextInTabWalk(controls_, focusWidget(), next, behaviour::OptionsOf(*this), ChosenOption(), takesTab);
    stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// An arrow key on an option moves to the other and chooses it, as a click does.
void Form1::ChooseOtherOption()
{
    QRadioButton* other = behaviour::OtherOption(*this, focusWidget());
    other->setFocus(Qt::OtherFocusReason);
    other->click();
}

std::string Form1::EntryText() const { return txtDisplay->Shown().toStdString(); }

void Form1::SetEntryText(std::string_view text)
{
    balloon_->Hide();
    txtDisplay->Show(FromUtf8(KeptByEntry(text)));
}

std::size_t Form1::EntryCaret() const { return static_cast<std::size_t>(txtDisplay->cursorPosition()); }

void Form1::SetEntryCaret(std::size_t position) { txtDisplay->setCursorPosition(static_cast<int>(position)); }

std::string Form1::ConversionText() const { return TxtDisplay1->text().toStdString(); }

void Form1::SetConversionText(std::string_view text)
{
    balloon_->Hide();
    TxtDisplay1->setText(FromUtf8(text));
}

bool Form1::LireOption() const { return behaviour::IsLireOption(*this, ChosenOption()); }

// The currency the conversion display shows.
void Form1::Beep() { beep_(); }

// A beep carries no words: the step's sentence says the failure.
void Form1::ReportFailure(Failure failure)
{
    beep_();
    balloon_->Show(txtDisplay, FromUtf8(FailureMessage(failure)));
    if (step_.NoteFailure(failure)) SayAfterStep();
}

// The result and its conversion, which a screen reader would not say by itself (the conversion
// display never has the focus). Said also when the focus is on a key.
void Form1::AmountsShown()
{
    if (step_.NoteAmountsShown()) SayAfterStep();
}

// The step is over once the event that made it has been handled: its one sentence is said then.
void Form1::SayAfterStep()
{
    QMetaObject::invokeMethod(this, [this] {
        const std::string sentence = step_.Take(*this);
        if (!sentence.empty()) announcer_->Say(FromUtf8(sentence));
    }, Qt::QueuedConnection);
}

void Form1::Copy(behaviour::CopyFrom from)
{
    const QString text = behaviour::CopiedText(from, focusWidget() == TxtDisplay1, txtDisplay->Shown(),
                                               TxtDisplay1->text(), TxtDisplay1->selectedText());
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void Form1::Paste(QClipboard::Mode mode)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    if (!data || !data->hasText()) return behaviour::Paste(calculator_, *this, std::nullopt);
    const std::string text = data->text().left(static_cast<qsizetype>(behaviour::kPasteReadLimit)).toStdString();
    behaviour::Paste(calculator_, *this, text);
}

}  // namespace abaquino::ui
