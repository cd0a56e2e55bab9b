#pragma once
#include <QValidator>
#include <array>

class QLineEdit;

namespace qbx {

// The IP address control on Qt: a line edit that takes only a dotted quad
// of at most three digits a part while it is typed. A part above 255 can be
// typed, so that the person sees what was typed; it is no address
// (ParseIpAddress refuses it) until mended. Empty octets read as 0.
class CIpAddressValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Makes `edit` an IP address control. A template marks one with the
// dynamic property "ipAddress" = true.
void MakeIpAddressField(QLineEdit& edit);
inline constexpr const char* kIpAddressProperty = "ipAddress";

// "192.168.0.1" from the octets, and back; false when `text` is no address.
QString IpAddressText(const std::array<unsigned char, 4>& octets);
bool ParseIpAddress(const QString& text, std::array<unsigned char, 4>& octets);

} // namespace qbx
