// One family's plans, as the report prints them.
#pragma once
#include "families.h"
#include "family_plan.h"
#include "report_writer.h"

void PrintFamilyPlan(const Family& family, const FamilyPlan& plan, ReportWriter& out);
