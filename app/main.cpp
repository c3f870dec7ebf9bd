// SPDX-License-Identifier: MIT
// Tenvo: start-up.
#include "app/start_up.h"

int main(int argc, char** argv) { return tenvo::StartUp(argc, argv); }
