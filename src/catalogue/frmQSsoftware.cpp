#include "frmQSsoftware.h"

#include "CatalogueLayout.h"
#include "CatalogueScroll.h"
#include "ClickLabel.h"
#include "DesignFont.h"
#include "Platform.h"
#include "QS_common.h"
#include "Twips.h"
#include "WindowsColour.h"
#include "weblink.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

namespace {

const QString IntroText = QStringLiteral(
    "Quevrin Systems publishes fourteen Windows programs.  Here are titles, brief descriptions "
    "and URLs.  All of them may be downloaded from our web site at no charge.  If you are "
    "online, click on any item to call up the product page on the web.");

// The keys move the list as the scroll bar's arrows and trough do, whichever control has
// the focus.
struct ScrollKey {
    Qt::Key key;
    QAbstractSlider::SliderAction action;
};
constexpr ScrollKey ScrollKeys[] = {
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

QColor backColorOf(const QWidget *widget) {
    return widget->palette().color(widget->backgroundRole());
}

QColor foreColorOf(const QWidget *widget) {
    return widget->palette().color(widget->foregroundRole());
}

} // namespace

frmQSsoftware::frmQSsoftware(QWidget *opener, Platform &platform, const CatalogueSettings &settings)
    : QDialog(nullptr), blnIntroFontBold(settings.blnIntroFontBold),
      lngIntroForeColor(settings.lngIntroForeColor), lngTitleForeColor(settings.lngTitleForeColor),
      lngDescriptionForeColor(settings.lngDescriptionForeColor), opener(opener), platform(platform),
      dpi(platform.screen.logicalDpi()) {
    setWindowTitle(QStringLiteral("Quevrin Systems Software"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The program ends through its quit sequence, never because this window went away.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(Twips::toPixels(CatalogueLayout::clientWidth, dpi),
                 Twips::toPixels(CatalogueLayout::clientHeight, dpi));
    createControls();
    Form_Load();
}

void frmQSsoftware::createControls() {
    lblIntro = new QLabel(this);
    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setWordWrap(true);
    lblIntro->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblIntro->setTextFormat(Qt::PlainText);
    lblIntro->setFont(designFont(QStringLiteral("Lucida Sans"), CatalogueLayout::fontPoints));

    PicBox = new QWidget(this);
    PicBox->setObjectName(QStringLiteral("PicBox"));
    VScroll = new QScrollBar(Qt::Vertical, PicBox);
    VScroll->setObjectName(QStringLiteral("VScroll"));
    // The list follows the thumb only when it is let go.
    VScroll->setTracking(false);

    auto *title = new ClickLabel(PicBox);
    title->setFont(
        designFont(QStringLiteral("Lucida Sans"), CatalogueLayout::fontPoints, QFont::Bold));
    title->setObjectName(QStringLiteral("lblTitle(0)"));
    auto *description = new ClickLabel(PicBox);
    description->setObjectName(QStringLiteral("lblDescription(0)"));
    description->setFont(designFont(QStringLiteral("Lucida Sans"), CatalogueLayout::fontPoints));
    for (ClickLabel *label : {title, description}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
    }
    lblTitle.push_back(title);
    lblDescription.push_back(description);

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setFont(designFont(QStringLiteral("Tahoma"), CatalogueLayout::fontPoints));
    cmdClose->setAutoDefault(true);
    cmdClose->setDefault(true);
}

ClickLabel *frmQSsoftware::newSlotLabel(ClickLabel *model, const QString &name) {
    auto *label = new ClickLabel(PicBox);
    label->setObjectName(name);
    label->setFont(model->font());
    label->setPalette(model->palette());
    label->setAutoFillBackground(model->autoFillBackground());
    label->setWordWrap(true);
    label->setAlignment(model->alignment());
    label->setTextFormat(Qt::PlainText);
    label->resize(model->size());
    return label;
}

void frmQSsoftware::connectHandlers() {
    connect(VScroll, &QScrollBar::valueChanged, this, &frmQSsoftware::VScroll_Change);
    connect(cmdClose, &QPushButton::clicked, this, &frmQSsoftware::cmdClose_Click);
    for (const ScrollKey &scrollKey : ScrollKeys) {
        const auto action = scrollKey.action;
        connect(new QShortcut(QKeySequence(scrollKey.key), this), &QShortcut::activated, this,
                [this, action] { VScroll->triggerAction(action); });
    }
    for (int i = 0; i < static_cast<int>(lblTitle.size()); ++i) {
        connect(lblTitle[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { lblTitle_Click(i); });
        connect(lblDescription[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { lblDescription_Click(i); });
    }
}

void frmQSsoftware::Form_Load() {
    namespace Layout = CatalogueLayout;
    const auto px = [this](int twips) { return Twips::toPixels(twips, dpi); };

    lblIntro->setText(IntroText);
    QFont introFont = lblIntro->font();
    introFont.setBold(blnIntroFontBold);
    lblIntro->setFont(introFont);

    const quint32 mainBack = toWindowsColour(opener ? backColorOf(opener) : backColorOf(this));
    const quint32 mainFore = toWindowsColour(opener ? foreColorOf(opener) : foreColorOf(this));
    for (QWidget *widget : {PicBox, static_cast<QWidget *>(this)}) {
        QS_common::setForeColor(*widget, mainFore);
        QS_common::setBackColor(*widget, mainBack);
    }

    QS_common::setForeColor(*lblIntro, lngIntroForeColor);
    QS_common::setForeColor(*lblDescription[0], lngDescriptionForeColor);

    if (opener) {
        // Offset from the main window, but wholly on its screen.
        const QRect frame(opener->pos() + QPoint(px(Layout::offsetLeft), px(Layout::offsetTop)),
                          size() + opener->frameGeometry().size() - opener->size());
        move(keptOnScreen(frame,
                          platform.screen.availableGeometryAt(opener->frameGeometry().center())));
    }

    DesignLayout::apply(*this, Layout::places, dpi);
    QS_common::setForeColor(*lblTitle[0], lngTitleForeColor);
    for (QWidget *label :
         std::initializer_list<QWidget *>{lblIntro, lblTitle[0], lblDescription[0]})
        QS_common::setBackColor(*label, mainBack);

    TopIndex = 0;
    ProgramCount = BuildProgramList(SiteURL, Programs);

    for (int i = 0; i < ProgramCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (i > 0) {
            lblTitle.push_back(newSlotLabel(lblTitle[0], QStringLiteral("lblTitle(%1)").arg(i)));
            lblDescription.push_back(
                newSlotLabel(lblDescription[0], QStringLiteral("lblDescription(%1)").arg(i)));
        }
        lblTitle[slot]->move(lblTitle[0]->x(), px(Layout::slotTitleTop(i)));
        lblTitle[slot]->setText(Programs[slot].Title);
        lblTitle[slot]->show();
        lblDescription[slot]->move(lblDescription[0]->x(), px(Layout::slotDescriptionTop(i)));
        lblDescription[slot]->setText(descriptionCaption(Programs[slot]));
        lblDescription[slot]->show();
    }

    VScroll->setRange(0, CatalogueScroll::maximum(ProgramCount));
    VScroll->setValue(0);
    VScroll->setSingleStep(1);
    VScroll->setPageStep(3);
    VScroll->show();
    VScroll->raise();
    takeKeyboardAndWheel();

    connectHandlers();
    cmdClose->setFocus();
}

// The titles in view follow the existing controls in the Tab order; the wheel over the
// entries moves the list as it does over the scroll bar.
void frmQSsoftware::takeKeyboardAndWheel() {
    QWidget *previous = cmdClose;
    for (std::size_t i = 0; i < lblTitle.size(); ++i) {
        const bool inView = i < static_cast<std::size_t>(CatalogueScroll::VisibleSlots);
        lblTitle[i]->setFocusPolicy(inView ? Qt::TabFocus : Qt::NoFocus);
        lblDescription[i]->setFocusPolicy(Qt::NoFocus);
        lblTitle[i]->installEventFilter(this);
        lblDescription[i]->installEventFilter(this);
        if (inView) {
            setTabOrder(previous, lblTitle[i]);
            previous = lblTitle[i];
        }
    }
    PicBox->installEventFilter(this);
}

bool frmQSsoftware::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Wheel && watched != VScroll) {
        // Handed on as the program's own event, which goes no further than the bar.
        QCoreApplication::sendEvent(VScroll, event);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmQSsoftware::VScroll_Change() {
    const CatalogueScroll::Step step =
        CatalogueScroll::vScrollStep(Programs, ProgramCount, VScroll->value());
    TopIndex = static_cast<qint16>(step.topIndex);
    if (step.clampTo) {
        VScroll->setValue(*step.clampTo);
        return;
    }
    for (std::size_t j = 0; j < step.captions.size() && j < lblTitle.size(); ++j) {
        lblTitle[j]->setText(step.captions[j].title);
        lblDescription[j]->setText(step.captions[j].description);
    }
    cmdClose->setFocus();
}

// While a page is still being opened, further clicks are dropped, red included.
void frmQSsoftware::lblTitle_Click(int Index) {
    if (platform.web.pending())
        return;
    const auto entry = CatalogueScroll::clickedEntry(TopIndex, Index, ProgramCount);
    if (!entry)
        return;
    // The title stays red whether or not its page opens.
    QS_common::setForeColor(*lblTitle[static_cast<std::size_t>(Index)], WindowsColour::Red);
    RequestWebPage(Programs[static_cast<std::size_t>(*entry)].URL);
}

void frmQSsoftware::lblDescription_Click(int Index) {
    if (const auto entry = CatalogueScroll::clickedEntry(TopIndex, Index, ProgramCount))
        RequestWebPage(Programs[static_cast<std::size_t>(*entry)].URL);
}

void frmQSsoftware::RequestWebPage(const QString &strURL) {
    weblink::launch(strURL, weblink::Caller::Catalogue, platform, this);
}

void frmQSsoftware::cmdClose_Click() {
    // A page still being opened does not hold the window up.
    platform.web.stopWaiting();
    hide();
}

// Escape acts as the Close button: the window is kept for the next showing.
void frmQSsoftware::reject() {
    cmdClose_Click();
}

void frmQSsoftware::closeEvent(QCloseEvent *event) {
    titleBarClosed = true;
    platform.web.stopWaiting();
    hide();
    event->accept();
}
