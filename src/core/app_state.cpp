#include "core/app_state.h"

namespace qm {

AppState& App() {
    static AppState state;
    return state;
}

}  // namespace qm
