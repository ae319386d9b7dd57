#include "form1.h"

#include "about_window.h"
#include "entry_display.h"
#include "form1_controls.h"
#include "key_preview.h"
#include "look.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QToolTip>

namespace abaquino::ui {

namespace {

// How long a failure's message stays up if no key or click dismisses it first.
constexpr int kBalloonMilliseconds = 60 * 60 * 1000;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

Form1::Form1(std::function<void()> beep, std::function<void(QAccessibleEvent&)> announce)
    : beep_(beep ? std::move(beep) : std::function<void()>(&QApplication::beep)),
      announce_(announce ? std::move(announce)
                         : [](QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Abaquino"));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(MakeFont(kForm1Font));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kLightGrey);
    client->setPalette(palette);
    // Sizable, but the controls keep their places: the client area grows from the top left.
    client->setMinimumSize(Pixels(kForm1ClientWidth), Pixels(kForm1ClientHeight));
    setCentralWidget(client);
    BuildControls(kForm1Controls, client);

    BuildMenu();
    FindControls();
    OptBEuro->setChecked(true);
    BindEvents();
    new KeyPreview(this, txtDisplay, calculator_, [this] { CopyEntry(); });  // owned by this window
    txtDisplay->setFocus(Qt::OtherFocusReason);

    adjustSize();
    windows_.Load(this);
}

Form1::~Form1() { windows_.Forget(this); }

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
    QAction* esci = bar->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("Esci(1)"));
    connect(esci, &QAction::triggered, this, [this] { Esci_Click(1); });
    QAction* informazioni = bar->addAction(QStringLiteral("&Informazioni"));
    informazioni->setObjectName(QStringLiteral("Informazioni"));
    connect(informazioni, &QAction::triggered, this, &Form1::Informazioni_Click);
}

void Form1::FindControls()
{
    const auto find = [this]<typename T>(T*& member, const QString& name) {
        member = findChild<T*>(name);
        Q_ASSERT_X(member, "Form1", qPrintable(name));
    };
    find(txtDisplay, QStringLiteral("txtDisplay"));
    find(TxtDisplay1, QStringLiteral("TxtDisplay1"));
    find(OptBLire, QStringLiteral("OptBLire"));
    find(OptBEuro, QStringLiteral("OptBEuro"));
    for (int i = 0; i < 10; ++i) find(cmdNumber[i], QStringLiteral("cmdNumber(%1)").arg(i));
    for (int i = 1; i <= 4; ++i) find(CmdOperator[i], QStringLiteral("CmdOperator(%1)").arg(i));
    find(cmdEquals, QStringLiteral("cmdEquals"));
    find(CmdPercent, QStringLiteral("CmdPercent"));
    find(cmdClear, QStringLiteral("cmdClear"));
    find(cmdClearEntry, QStringLiteral("cmdClearEntry"));
    find(cmdDecimal, QStringLiteral("cmdDecimal"));
    find(cmdPlusMinus, QStringLiteral("cmdPlusMinus"));
    find(Label1, QStringLiteral("Label1"));
    find(Label2, QStringLiteral("Label2"));
    find(Label3, QStringLiteral("Label3"));
}

void Form1::BindEvents()
{
    Calculator* c = &calculator_;
    for (std::int16_t i = 0; i < 10; ++i) {
        connect(cmdNumber[i], &QPushButton::clicked, this, [c, i] { c->cmdNumber_Click(i); });
    }
    for (std::int16_t i = 1; i <= 4; ++i) {
        connect(CmdOperator[i], &QPushButton::clicked, this, [c, i] { c->CmdOperator_Click(i); });
    }
    connect(cmdEquals, &QPushButton::clicked, this, [c] { c->cmdEquals_Click(); });
    connect(CmdPercent, &QPushButton::clicked, this, [c] { c->CmdPercent_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [c] { c->cmdClear_Click(); });
    connect(cmdClearEntry, &QPushButton::clicked, this, [c] { c->cmdClearEntry_Click(); });
    connect(cmdDecimal, &QPushButton::clicked, this, [c] { c->cmdDecimal_Click(); });
    connect(cmdPlusMinus, &QPushButton::clicked, this, [c] { c->cmdPlusMinus_Click(); });
    connect(OptBEuro, &QRadioButton::clicked, this, [c] { c->OptBEuro_Click(); });
    connect(OptBLire, &QRadioButton::clicked, this, [c] { c->OptBLire_Click(); });
    connect(txtDisplay, &QLineEdit::textChanged, this, [c] { c->txtDisplay_Change(); });
    connect(txtDisplay, &EntryDisplay::gotFocus, this, [c] { c->txtDisplay_GotFocus(); });
}

void Form1::Esci_Click(std::int16_t /*Index*/) { close(); }

void Form1::Informazioni_Click()
{
    frmAbout about(this, windows_);
    about.exec();
}

std::string Form1::EntryText() const { return txtDisplay->text().toStdString(); }

void Form1::SetEntryText(std::string_view text)
{
    txtDisplay->setText(FromUtf8(text));
    Announce(txtDisplay);
}

std::size_t Form1::EntryCaret() const { return static_cast<std::size_t>(txtDisplay->cursorPosition()); }

void Form1::SetEntryCaret(std::size_t position) { txtDisplay->setCursorPosition(static_cast<int>(position)); }

std::string Form1::ConversionText() const { return TxtDisplay1->text().toStdString(); }

void Form1::SetConversionText(std::string_view text)
{
    TxtDisplay1->setText(FromUtf8(text));
    Announce(TxtDisplay1);
}

bool Form1::LireOption() const { return OptBLire->isChecked(); }

void Form1::Beep() { beep_(); }

// The message stays at the entry display until the next key or click.
void Form1::ReportFailure(Failure failure)
{
    beep_();
    const QPoint below = txtDisplay->mapToGlobal(QPoint(txtDisplay->width() / 2, txtDisplay->height()));
    QToolTip::showText(below, FromUtf8(FailureMessage(failure)), txtDisplay, QRect(), kBalloonMilliseconds);
}

// A screen reader follows the text of the focused control by itself; the value event lets it
// read every result and conversion, also on the display that does not have the focus.
void Form1::Announce(QLineEdit* display)
{
    QAccessibleValueChangeEvent event(display, display->text());
    announce_(event);
}

void Form1::CopyEntry() { QGuiApplication::clipboard()->setText(txtDisplay->text()); }

}  // namespace abaquino::ui
