#pragma once

// Lets a screen reader read the bit buttons and the binary label: their
// caption is their value, under a name of their own ("位 5", "二进制").
// Safe to call more than once.
void InstallAccessibility();
