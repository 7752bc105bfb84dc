#pragma once
// Registers the machine windows ("Machine List", "Machine Maintenance") with the form
// registry. The program and the GUI tests call it once at start.
void RegisterMachinesForms();
