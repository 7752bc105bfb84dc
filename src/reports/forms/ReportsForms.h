#pragma once
// Registers the report windows with the form registry, each under its form class name: the
// option dialogs of the CRS 3000 reports, the stored-poll browser and the inventory export's windows; and the presentation of
// stored polls by their report forms (RegisterReportPresentations).
// The program and the GUI tests call it once at start.
void RegisterReportsForms();
