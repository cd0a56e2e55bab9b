// Data exchange of the number fields, address fields and drop-down lists
// of a CDialog: what the framework does between a dialog's members and its
// controls.
#include "ui/dialog.h"
#include "ui/ip_address_field.h"

#include <QComboBox>
#include <QLineEdit>

namespace qbx {
namespace {

// Texts the framework shows itself when a field refuses what was typed.
constexpr int kStringNotANumber = 11920;
constexpr int kStringNotAPositiveNumber = 11921;

// A whole number as the field kind allows it: an optional sign for signed
// fields, digits only otherwise; blanks around it are allowed.
bool ParseNumber(const QString& text, NumberField kind, long long& value) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 12) return false;
    int start = 0;
    bool negative = false;
    if (kind == NumberField::Signed16 && (trimmed[0] == '-' || trimmed[0] == '+')) {
        negative = trimmed[0] == '-';
        start = 1;
    }
    if (start == trimmed.size()) return false;
    long long number = 0;
    for (int i = start; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c.unicode() - '0');
    }
    value = negative ? -number : number;
    if (kind == NumberField::Signed16) return value >= -32768 && value <= 32767;
    return value <= 0xFFFFFFFFLL;
}

} // namespace

void CDialog::LimitText(int id, int characters) {
    if (auto* edit = ItemAs<QLineEdit>(id)) edit->setMaxLength(characters);
}

void CDialog::SetItemNumber(int id, long long value) {
    SetItemText(id, QString::number(value));
}

bool CDialog::TakeNumber(int id, NumberField kind, long long& value) {
    if (ParseNumber(ItemText(id), kind, value)) return true;
    const int text = kind == NumberField::Signed16 ? kStringNotANumber : kStringNotAPositiveNumber;
    context.ui.ShowMessage(this, QStringLiteral("Quillbox-Message"), String(text), MessageKind::Notice);
    if (auto* edit = ItemAs<QLineEdit>(id)) {
        edit->setFocus();
        edit->selectAll();
    }
    return false;
}

void CDialog::SetIpAddress(int id, const std::array<std::uint8_t, 4>& octets) {
    SetItemText(id, IpAddressText(octets));
}

std::array<std::uint8_t, 4> CDialog::IpAddress(int id) const {
    std::array<std::uint8_t, 4> octets{};
    if (!ParseIpAddress(ItemText(id), octets)) octets = {};
    return octets;
}

void CDialog::SetCurSel(int id, int index) {
    if (auto* combo = ItemAs<QComboBox>(id))
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

int CDialog::CurSel(int id) const {
    auto* combo = ItemAs<QComboBox>(id);
    return combo ? combo->currentIndex() : -1;
}

int CDialog::ItemCount(int id) const {
    auto* combo = ItemAs<QComboBox>(id);
    return combo ? combo->count() : 0;
}

} // namespace qbx
