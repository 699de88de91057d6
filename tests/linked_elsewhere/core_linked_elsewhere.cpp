// Writes a number as the window does, in code that has a stack canary
// wherever the libraries are built with one: 0 when it reads as a person
// wrote it.
#include "model/numeric.h"

int main() {
    return hc::ToText(709.78, ",") == "709,78" ? 0 : 1;
}
