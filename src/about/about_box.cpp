#include "about/about_box.h"

#include "about/check_system_memory.h"
#include "platform/editor_surface.h"
#include "platform/program_context.h"
#include "version.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *addLabel(QLayout *layout, const QString &name, int pointSize = 0)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    if (pointSize > 0) {
        QFont font = label->font();
        font.setPointSize(pointSize);
        label->setFont(font);
    }
    layout->addWidget(label);
    return label;
}

// Decimal megabytes, truncated: the figure the box has always shown.
QString megabytes(std::uint64_t bytes)
{
    return QString::number(bytes / 1000000) + QStringLiteral(" mB");
}

} // namespace

frmAbout::frmAbout(ProgramContext &program, QWidget *parent) : QDialog(parent), program_(program)
{
    setObjectName(QStringLiteral("frmAbout"));

    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(program.FrameWindow()->windowIcon().pixmap(64));
    picIcon->setAlignment(Qt::AlignTop);
    header->addWidget(picIcon);
    auto *identity = new QVBoxLayout;
    lblAppName = addLabel(identity, QStringLiteral("lblAppName"), 24);
    lblVersion = addLabel(identity, QStringLiteral("lblVersion"), 12);
    lblCopyright = addLabel(identity, QStringLiteral("lblCopyright"));
    header->addLayout(identity, 1);
    layout->addLayout(header);

    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);

    lblMemoryLoad = addLabel(layout, QStringLiteral("lblMemoryLoad"));
    lblTotalPhys = addLabel(layout, QStringLiteral("lblTotalPhys"));
    lblAvailPhys = addLabel(layout, QStringLiteral("lblAvailPhys"));
    lblTotalPageFile = addLabel(layout, QStringLiteral("lblTotalPageFile"));
    lblAvailPageFile = addLabel(layout, QStringLiteral("lblAvailPageFile"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    setMinimumWidth(360);
    Form_Load();
}

void frmAbout::Form_Load()
{
    using namespace tagsmith::version;
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(Title));
    lblAppName->setText(QString::fromUtf8(ProductName));
    lblVersion->setText(QStringLiteral("Version %1.%2 Revision %3").arg(Major).arg(Minor).arg(Revision));
    lblCopyright->setText(QChar(169) + QStringLiteral(" ") + QString::fromUtf8(LegalCopyright));
    Timer1->start();
}

void frmAbout::Timer1_Timer()
{
    MemoryFigures figures;
    const bool enough = CheckSystemMemory(*program_.platform().memory, figures, 25);
    lblMemoryLoad->setText(QStringLiteral("Memory Utilization: %1%").arg(figures.MemoryLoad));
    lblTotalPhys->setText(QStringLiteral("Physical Memory: ") + megabytes(figures.TotalPhys));
    lblAvailPhys->setText(QStringLiteral("Free Physical Memory: ") + megabytes(figures.AvailPhys));
    lblTotalPageFile->setText(QStringLiteral("Virtual Memory: ") + megabytes(figures.TotalPageFile));
    lblAvailPageFile->setText(QStringLiteral("Free Virtual Memory: ") + megabytes(figures.AvailPageFile));

    // The warning is modal: the timer keeps running underneath it, and one warning on
    // screen is enough.
    if (enough || warningOpen_)
        return;
    warningOpen_ = true;
    // The box may be closed while the warning waits (the last document closing).
    const QPointer<frmAbout> self(this);
    program_.messages().show(QStringLiteral("Available System-Wide Memory Resources are %1%")
                                 .arg(100 - figures.MemoryLoad),
                             QString::fromUtf8(tagsmith::version::Title), MsgButtons::Ok, MsgIcon::Exclamation);
    if (self)
        warningOpen_ = false;
}

void frmAbout::cmdOK_Click()
{
    if (EditorSurface *editor = program_.ActiveEditor())
        editor->SetFocus();
    close();
}
