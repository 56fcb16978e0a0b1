#include "DialogTemplate.h"

namespace {

constexpr uint32_t kSetFont = 0x40; // DS_SETFONT (DS_SHELLFONT includes it)

class Cursor {
public:
    Cursor(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    void Align(size_t n) { pos_ = (pos_ + n - 1) / n * n; }

    uint8_t U8() {
        if (!Need(1))
            return 0;
        return data_[pos_++];
    }
    uint16_t U16() {
        if (!Need(2))
            return 0;
        uint16_t v = static_cast<uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return v;
    }
    uint32_t U32() {
        uint32_t lo = U16();
        return lo | static_cast<uint32_t>(U16()) << 16;
    }
    std::u16string String() {
        std::u16string s;
        for (uint16_t c = U16(); ok_ && c != 0; c = U16())
            s.push_back(static_cast<char16_t>(c));
        return s;
    }
    // A sz_Or_Ord field: either a string or 0xFFFF followed by a number.
    std::u16string StringOrOrdinal(int* ordinal) {
        *ordinal = -1;
        if (!Need(2))
            return {};
        if (data_[pos_] == 0xFF && data_[pos_ + 1] == 0xFF) {
            pos_ += 2;
            *ordinal = U16();
            return {};
        }
        return String();
    }
    void Skip(size_t n) {
        if (Need(n))
            pos_ += n;
    }

private:
    bool Need(size_t n) {
        if (!ok_ || pos_ > size_ || size_ - pos_ < n)
            ok_ = false;
        return ok_;
    }

    const unsigned char* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::u16string ClassName(int ordinal) {
    switch (ordinal) {
    case 0x80:
        return u"Button";
    case 0x81:
        return u"Edit";
    case 0x82:
        return u"Static";
    case 0x83:
        return u"ListBox";
    case 0x84:
        return u"ScrollBar";
    case 0x85:
        return u"ComboBox";
    default: {
        std::u16string digits;
        for (int n = ordinal; n > 0 || digits.empty(); n /= 10)
            digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        return u"#" + digits;
    }
    }
}

} // namespace

std::optional<DialogTemplate> DialogTemplate::Parse(const unsigned char* data, size_t size) {
    Cursor c(data, size);
    if (c.U16() != 1 || c.U16() != 0xFFFF)
        return std::nullopt;
    DialogTemplate t;
    c.U32(); // help id
    t.exStyle = c.U32();
    t.style = c.U32();
    const uint16_t count = c.U16();
    t.x = static_cast<int16_t>(c.U16());
    t.y = static_cast<int16_t>(c.U16());
    t.cx = static_cast<int16_t>(c.U16());
    t.cy = static_cast<int16_t>(c.U16());
    int ordinal = -1;
    c.StringOrOrdinal(&ordinal); // menu
    c.StringOrOrdinal(&ordinal); // window class
    t.title = c.String();
    if (t.style & kSetFont) {
        t.pointSize = c.U16();
        t.weight = c.U16();
        t.italic = c.U8();
        t.charset = c.U8();
        t.typeface = c.String();
    }
    for (uint16_t i = 0; i < count && c.ok(); ++i) {
        c.Align(4);
        DialogItem item;
        c.U32(); // help id
        item.exStyle = c.U32();
        item.style = c.U32();
        item.x = static_cast<int16_t>(c.U16());
        item.y = static_cast<int16_t>(c.U16());
        item.cx = static_cast<int16_t>(c.U16());
        item.cy = static_cast<int16_t>(c.U16());
        item.id = static_cast<int32_t>(c.U32());
        int classOrdinal = -1;
        item.className = c.StringOrOrdinal(&classOrdinal);
        if (classOrdinal >= 0)
            item.className = ClassName(classOrdinal);
        item.text = c.StringOrOrdinal(&item.textOrdinal);
        c.Skip(c.U16()); // creation data
        t.items.push_back(item);
    }
    if (!c.ok())
        return std::nullopt;
    return t;
}
