// Quillmark: prints addresses on #10 envelopes.
#include "ui/program.h"

int main() { return qm::RunProgram(); }
