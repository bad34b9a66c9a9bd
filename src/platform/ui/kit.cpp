#include "platform/ui/kit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTranslator>
#include <algorithm>

#include "platform/ui/dialogs.h"
#include "platform/ui/swedishtexts.h"

QFont SansFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont MonoFont(int pixels)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixels);
    return font;
}

const QFont& WindowFont()
{
    static const QFont font = SansFont(11);
    return font;
}

namespace {

QLabel* LabelInFont(QWidget* parent, const QString& name, const QString& caption, const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

}  // namespace

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect, const QFont& font,
                 Qt::Alignment align)
{
    QLabel* label = LabelInFont(parent, name, caption, font);
    label->setAlignment(align);
    // A left-aligned label is at least as wide as its text in its own font, so that the
    // platform's font never cuts its last characters.
    if (align & Qt::AlignLeft)
        rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
    label->setGeometry(rect);
    return label;
}

QLabel* NewWrappedLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                        const QFont& font)
{
    QLabel* label = LabelInFont(parent, name, caption, font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    label->setGeometry(rect);
    return label;
}

namespace {

// The first words of the text that fit the room together with "…"; a first word too long for
// the room is cut inside.
QString WordsThatFit(const QString& text, const QFontMetrics& metrics, int room)
{
    const QString ellipsis(QChar(0x2026));
    QString shown = text.simplified();
    while (metrics.horizontalAdvance(shown + ellipsis) > room && shown.contains(QLatin1Char(' ')))
        shown.truncate(shown.lastIndexOf(QLatin1Char(' ')));
    return metrics.elidedText(shown + ellipsis, Qt::ElideRight, room);
}

}  // namespace

void SetFittedText(QLabel* label, const QString& text)
{
    const QFontMetrics metrics(label->font());
    const int room = label->contentsRect().width();
    const bool fits = metrics.horizontalAdvance(text) <= room;
    label->setText(fits ? text : WordsThatFit(text, metrics, room));
    label->setToolTip(fits ? QString() : text);
}

QLabel* NewCentredLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                        const QFont& font)
{
    return NewLabel(parent, name, caption, rect, font, Qt::AlignCenter);
}

QLabel* NewBox(QWidget* parent, const QString& name, const QString& caption, QRect rect, const QFont& font,
               const QColor& background, const QColor& text)
{
    QLabel* label = NewCentredLabel(parent, name, caption, rect, font);
    SetBackground(label, background);
    SetTextColour(label, text);
    return label;
}

QLabel* NewShape(QWidget* parent, const QString& name, QRect rect, const QColor& fill)
{
    QLabel* shape = NewBox(parent, name, QString(), rect, WindowFont(), fill);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(1);
    return shape;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                       const QFont& font)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setFont(font);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect rect)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->setFont(SansFont(12));
    return box;
}

QRadioButton* NewRadioButton(QWidget* parent, const QString& name, const QString& caption, QRect rect)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    return button;
}

QLineEdit* NewEdit(QWidget* parent, const QString& name, QRect rect, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(rect);
    edit->setFont(SansFont(12, true));
    edit->setMaxLength(maxLength);
    return edit;
}

int TitleBarWidthFor(const QString& caption)
{
    constexpr int IconAndButtons = 110;
    return QFontMetrics(SansFont(15, true)).horizontalAdvance(caption) + IconAndButtons;
}

QLabel* NewHeading(QWidget* parent, const QString& caption, QRect rect)
{
    return NewBox(parent, QString(), caption, rect, SansFont(12, true), BlueColour, YellowColour);
}

namespace {

// Qt's Swedish catalogue names the standard buttons under the button box, where Qt 6 asks for
// them under the platform theme: a text the catalogue lacks under the theme is looked up there.
// The texts of the standard dialogs that the catalogue lacks altogether come from the program's
// own table (swedishtexts.h), which also serves when the catalogue is not installed.
class QtSwedishTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QPlatformTheme") == 0)
            text = QTranslator::translate("QDialogButtonBox", source, disambiguation, n);
        if (text.isEmpty())
            text = OwnSwedishText(context, source);
        return text;
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void InstallSwedishTranslation()
{
    static QtSwedishTranslator translator;
    static bool installed = false;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    if (installed)
        return;
    // Without Qt's catalogue only the program's own Swedish texts are translated.
    [[maybe_unused]] const bool catalogue =
        translator.load(QLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installed = QCoreApplication::installTranslator(&translator);
}

void ApplyProgramLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QApplication::setApplicationName(ApplicationName);
    InstallSwedishTranslation();
}
