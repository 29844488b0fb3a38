#include "config/validation_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "config/edit_fields.h"

namespace lmk17::validation_text {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Configuration)
};

// The string table's texts carry C format marks ("%d", "%.2g", "%s", "%%").
// They are filled here one by one with texts formatted by the program, never
// handed to a formatting function: a translated text cannot ask for more
// arguments than there are.
QString fill(const QString& format, const QStringList& args) {
    QString out;
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        if (format[i] != QLatin1Char('%')) {
            out += format[i];
            continue;
        }
        int j = i + 1;
        while (j < format.size() && QStringLiteral("-+ #.*0123456789").contains(format[j])) ++j;
        if (j >= format.size()) {
            out += format.mid(i);
            break;
        }
        if (format[j] == QLatin1Char('%'))
            out += QLatin1Char('%');
        else if (next < args.size())
            out += args[next++];
        i = j;
    }
    return out;
}

}  // namespace

QString ParameterName(EditField field) {
    const EditFieldDescriptor* d = DescriptorOf(field);
    if (!d) return {};
    const QString name = QCoreApplication::translate("Configuration", d->parameterName);
    return d->comparator ? fill(name, {QString::number(d->comparator)}) : name;
}

QString IncorrectFormat(EditField field) {
    return Texts::tr("Incorrect Format of the Value: ") + ParameterName(field) + QLatin1Char('.');
}

QString OutOfRange(EditField field, const QString& interval) {
    return Texts::tr("Value of ") + ParameterName(field) + Texts::tr(" is out of the range: ") +
           interval + QLatin1Char('.');
}

QString RangeInterval(double low, double high) {
    return QString::asprintf("<%.*g ; %.*g>", 5, low, 5, high);
}

QString DampingInterval(double low, double high) {
    return QString::asprintf("< %.1f ; %.1f > sec", low, high);
}

QString LeadInterval(double low, double high) {
    return QString::asprintf("<%.1f ; %.1f> ohm", low, high);
}

QString CjInterval(double low, double high) {
    return QString::asprintf("<%.1f ; %.1f> °C", low, high);
}

QString OutputInterval(double low, double high, const QString& unit) {
    return QString::asprintf("<%.*g ; %.*g> ", 5, low, 5, high) + unit;
}

QString CorrectionTooHigh(bool upper) {
    const char* text =
        upper ? QT_TRANSLATE_NOOP("Configuration",
                                  "Value of correction at upper range value is higher than %.2g %% "
                                  "of input range.")
              : QT_TRANSLATE_NOOP("Configuration",
                                  "Value of correction at lower range value is higher than %.2g %% "
                                  "of input range.");
    return fill(Texts::tr(text), {QString::asprintf("%.2g", 5.0)});
}

QString HysteresisTooHigh(int comparator) {
    return fill(
        Texts::tr("Value of limit comparator %d hysteresis is higher than %.2g %% of input range."),
        {QString::number(comparator), QString::asprintf("%.2g", 5.0)});
}

QString ReverseNeedsHysteresis(int comparator) {
    return fill(
        Texts::tr("Value of limit comparator %d hysteresis cannot be equal to zero for reverse "
                  "switching mode. Normal switching mode was set."),
        {QString::number(comparator)});
}

QString SpanTooSmall() {
    return fill(Texts::tr("Span value is lower than %.2g%% of input range."),
                {QString::asprintf("%.2g", 1.0)});
}

QString OutputSpanTooSmall(double span, const QString& unit) {
    return fill(Texts::tr("Output span value is lower than %.2g %s, cannot continue."),
                {QString::asprintf("%.2g", span), unit});
}

QString SaturationSpanTooSmall(double span, const QString& unit) {
    return fill(Texts::tr("Saturation span value is lower than %.2g %s, cannot continue."),
                {QString::asprintf("%.2g", span), unit});
}

QString ErrorSpanTooSmall(double span, const QString& unit) {
    return fill(Texts::tr("Error span value is lower than %.2g %s, cannot continue."),
                {QString::asprintf("%.2g", span), unit});
}

}  // namespace lmk17::validation_text
