#pragma once

namespace arc {

// Whether one of the reference panels (parts, signatories, countries,
// forwarding houses) has started a new row that is not saved yet. The
// panels share the one flag.
class AddMode {
public:
    bool isOn() const { return m_on; }
    void set() { m_on = true; }
    void clear() { m_on = false; }

private:
    bool m_on = false;
};

} // namespace arc
