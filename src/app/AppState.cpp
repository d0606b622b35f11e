#include "AppState.h"

namespace baritemp {

AppStateValues AppState;

void ResetAppState() {
    AppState = AppStateValues{};
}

} // namespace baritemp
