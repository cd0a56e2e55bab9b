#include "ui/mnemonics.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSet>
#include <algorithm>
#include <vector>

namespace qbx {
namespace {

// Where the marker stands in `text`, -1 for none; "&&" is a plain "&".
int MarkerIndex(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return i;
        ++i;
    }
    return -1;
}

// The bracketed letter added to a text that had none free.
bool HasAddedMarker(const QString& text) {
    const int n = text.size();
    return n >= 5 && text[n - 5] == ' ' && text[n - 4] == '(' && text[n - 3] == '&' && text[n - 1] == ')';
}

QString WithoutMarker(const QString& text) {
    if (HasAddedMarker(text)) return text.left(text.size() - 5);
    const int at = MarkerIndex(text);
    return at < 0 ? text : text.left(at) + text.mid(at + 1);
}

QString TextOf(const QWidget& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    return {};
}

void SetTextOf(QWidget& control, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) button->setText(text);
    if (auto* label = qobject_cast<QLabel*>(&control)) label->setText(text);
}

// `text` (escaped, unmarked) with a marker on a character not in `taken`.
QString Marked(const QString& text, QSet<QChar>& taken) {
    // The characters a person sees, with their places in `text`.
    std::vector<int> shown;
    for (int i = 0; i < text.size(); ++i) {
        shown.push_back(i);
        if (text[i] == '&') ++i;
    }
    auto free = [&](int i) { return !taken.contains(text[i].toLower()); };
    auto wordStart = [&](std::size_t k) {
        return text[shown[k]].isLetter() && (k == 0 || !text[shown[k - 1]].isLetterOrNumber());
    };
    int pick = -1;
    for (std::size_t k = 0; k < shown.size() && pick < 0; ++k)
        if (wordStart(k) && free(shown[k])) pick = shown[k];
    for (std::size_t k = 0; k < shown.size() && pick < 0; ++k)
        if (text[shown[k]].isLetter() && free(shown[k])) pick = shown[k];
    for (std::size_t k = 0; k < shown.size() && pick < 0; ++k)
        if (text[shown[k]].isDigit() && free(shown[k])) pick = shown[k];
    if (pick >= 0) {
        taken.insert(text[pick].toLower());
        return text.left(pick) + '&' + text.mid(pick);
    }
    for (QChar c : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890")) {
        if (taken.contains(c.toLower())) continue;
        taken.insert(c.toLower());
        return text + QStringLiteral(" (&") + c + ')';
    }
    return text;
}

} // namespace

QString EscapeMnemonic(const QString& text) {
    QString escaped = text;
    return escaped.replace('&', QStringLiteral("&&"));
}

QString StripMnemonic(const QString& text) {
    return WithoutMarker(text).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QChar MnemonicOf(const QString& text) {
    const int at = MarkerIndex(text);
    return at < 0 ? QChar() : text[at + 1].toLower();
}

bool ReadsMnemonic(const QWidget& control) {
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->buddy() != nullptr;
    return qobject_cast<const QAbstractButton*>(&control) != nullptr;
}

bool TakesMnemonic(const QWidget& control) {
    return ReadsMnemonic(control) && !TextOf(control).isEmpty();
}

void AssignMnemonics(QWidget& window) {
    std::vector<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (TakesMnemonic(*control)) controls.push_back(control);
    // Markers already there stay, the first of a letter used twice.
    QSet<QChar> taken;
    std::vector<QWidget*> unmarked;
    for (QWidget* control : controls) {
        const QChar letter = MnemonicOf(TextOf(*control));
        if (!letter.isNull() && !taken.contains(letter)) {
            taken.insert(letter);
            continue;
        }
        SetTextOf(*control, WithoutMarker(TextOf(*control)));
        unmarked.push_back(control);
    }
    // OK and Cancel first, then texts the window has once: a row of equal
    // buttons takes what is left.
    auto rank = [&](QWidget* control) {
        if (control->objectName() == QLatin1String("1") || control->objectName() == QLatin1String("2"))
            return 0;
        const QString text = TextOf(*control);
        return std::count_if(
                   controls.begin(), controls.end(),
                   [&](QWidget* other) { return StripMnemonic(TextOf(*other)) == StripMnemonic(text); }) == 1
                   ? 1
                   : 2;
    };
    std::stable_sort(unmarked.begin(), unmarked.end(),
                     [&](QWidget* a, QWidget* b) { return rank(a) < rank(b); });
    for (QWidget* control : unmarked)
        SetTextOf(*control, Marked(TextOf(*control), taken));
}

} // namespace qbx
