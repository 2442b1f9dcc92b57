#pragma once

// The program's name, version and icon as the desktop sees them.
void installApplicationIdentity();
