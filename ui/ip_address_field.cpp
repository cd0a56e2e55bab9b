#include "ui/ip_address_field.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStringList>

namespace qbx {
namespace {

constexpr int kOctets = 4;
constexpr int kMaxOctet = 255;
constexpr int kMaxLength = 15; // "255.255.255.255"

// At most four parts, each empty or of at most three digits.
bool PartsTypable(const QStringList& parts) {
    if (parts.size() > kOctets) return false;
    for (const QString& part : parts) {
        if (part.size() > 3) return false;
        for (QChar c : part) {
            if (!c.isDigit() || c.unicode() > '9') return false;
        }
    }
    return true;
}

bool PartsFit(const QStringList& parts) {
    if (!PartsTypable(parts)) return false;
    for (const QString& part : parts) {
        if (!part.isEmpty() && part.toInt() > kMaxOctet) return false;
    }
    return true;
}

} // namespace

QValidator::State CIpAddressValidator::validate(QString& input, int&) const {
    const QStringList parts = input.split('.');
    if (!PartsTypable(parts)) return Invalid;
    return parts.size() == kOctets && PartsFit(parts) ? Acceptable : Intermediate;
}

void MakeIpAddressField(QLineEdit& edit) {
    edit.setValidator(new CIpAddressValidator(&edit));
    edit.setMaxLength(kMaxLength);
    const QFontMetrics metrics(edit.font());
    edit.setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("255.255.255.255")) + 16);
}

QString IpAddressText(const std::array<unsigned char, 4>& octets) {
    return QStringLiteral("%1.%2.%3.%4").arg(octets[0]).arg(octets[1]).arg(octets[2]).arg(octets[3]);
}

bool ParseIpAddress(const QString& text, std::array<unsigned char, 4>& octets) {
    const QStringList parts = text.split('.');
    if (!PartsFit(parts)) return false;
    for (int i = 0; i < kOctets; ++i) {
        // A part left empty is 0, as in the address control of the system.
        octets[static_cast<std::size_t>(i)] =
            i < parts.size() ? static_cast<unsigned char>(parts[i].toInt()) : 0;
    }
    return true;
}

} // namespace qbx
