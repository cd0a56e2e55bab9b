#pragma once
#include <QValidator>
#include <array>

class QLineEdit;

namespace qbx {

// The IP address control on Qt: a line edit that takes only a dotted quad
// with octets of at most 255 while it is typed, so it never holds a value
// the address cannot keep. Empty octets read as 0.
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
