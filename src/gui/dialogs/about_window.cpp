#include "gui/dialogs/about_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/shell/captions.h"
#include "gui/shell/clickable_label.h"
#include "gui/shell/radio_drawing.h"
#include "gui/shell/web_link.h"
#include "i18n/release_texts.h"

namespace qv {
namespace {

// A picture of the given logical size, drawn at the screen's scale.
QPixmap Picture(const QWidget& widget, QSize size, void (*draw)(QPainter&, const QRectF&)) {
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

void DrawRadio(QPainter& painter, const QRectF& area) {
    (void)DrawHandset(painter, area.adjusted(20, 10, -20, -10));
}

// A small emblem: the radio's signal waves.
void DrawEmblem(QPainter& painter, const QRectF& area) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 110, 180), 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(area.left() + 12, area.center().y());
    for (int k = 1; k <= 3; ++k) {
        const double r = 11.0 * k;
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    painter.setBrush(QColor(60, 110, 180));
    painter.drawEllipse(centre, 4, 4);
}

QFrame* Line(const QString& name) {
    auto* line = new QFrame;
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* Text(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(Program& program, QWidget* owner)
    : DialogWindow(program, WindowId::About, owner) {
    auto* image1 = new QLabel;
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(Picture(*this, QSize(160, 300), DrawRadio));
    auto* image2 = new QLabel;
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(Picture(*this, QSize(57, 52), DrawEmblem));

    auto* title = Text("lblTitle");
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    auto* description = new ClickableLabel;
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    description->setToolTip(QString::fromLatin1(kProjectWebAddress));
    connect(description, &ClickableLabel::clicked, this, [] { OpenProjectWebPage(); });
    auto* ok = new QPushButton;
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    auto* heading = new QHBoxLayout;
    heading->addWidget(image2);
    heading->addWidget(title, 1);
    auto* texts = new QVBoxLayout;
    texts->addLayout(heading);
    texts->addWidget(Line(QStringLiteral("Line1")));
    texts->addWidget(Text("lblVersion"));
    texts->addWidget(Text("Label2"));
    texts->addWidget(Text("lblRelease"));
    texts->addWidget(description);
    texts->addStretch(1);
    texts->addWidget(Line(QStringLiteral("Line1")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    texts->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(image1);
    layout->addLayout(texts, 1);
    FinishCreation();
}

void AboutWindow::Refresh(Changes changes) {
    if (!changes.Has(StatePart::Language)) return;
    // The release of this program, beside the version and issue of the tool it grew from.
    findChild<QLabel*>(QStringLiteral("lblRelease"))
        ->setText(ToQString(ReleaseText(ReleaseTextId::ProgramRelease,
                                        CaptionLanguage(program_.State().LanguageIsEnglish),
                                        {QV7100_VERSION, QV7100_RELEASE_DATE})));
}

}  // namespace qv
