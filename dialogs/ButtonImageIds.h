// The four picture resources of a skinned button, as ids a layout table can name.
#pragma once

namespace halvane {

// Resource ids of a button's normal, hover, pressed and disabled pictures.
struct ButtonImages {
    int normal;
    int hover;
    int pressed;
    int disabled;
};

} // namespace halvane
