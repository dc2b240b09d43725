#pragma once
// The item tables of the 53 forms, one per form, in the form files of their families.
#include "Common/Layers/Forms/UIFormInfo.h"

namespace UIForms {

extern const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_PROGBASIC[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_OSC1[24];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_OSC2[24];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_VELOCITY_ZONE[10];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_BASIC_AUDITION[4];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_Marl[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_Tolva[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_LFO_Marl[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC1_LFO_Tolva[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_Marl[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_Tolva[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_LFO_Marl[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_OSC2_LFO_Tolva[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_PITCH_EG[39];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC1_LFO1[25];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC1_LFO2[25];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC2_LFO1[25];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_LFOs_OSC2_LFO2[25];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_BASIC[8];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_MOD1[28];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_MOD2[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_LFO_MOD[30];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER1_EG[55];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_BASIC[8];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_MOD1[28];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_MOD2[18];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_LFO_MOD[30];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_FILTER2_EG[55];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP1[8];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP1_MOD[30];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP1_EG[53];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP2[5];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP2_MOD[30];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_AMP2_EG[53];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_IFX_SETUP[8];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_MFX_SETUP[14];
extern const UI_FORMINFO _g_uiFormItem_ID_PROG_MFX_MASTER_EQ[20];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_ARP_A[18];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_ARP_B[18];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_SCAN_ZONE[18];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_CONTROLS_Marl[12];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_ARP_CONTROLS_Tolva[23];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_IFX_SETUP[10];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_MFX_SETUP[21];
extern const UI_FORMINFO _g_uiFormItem_ID_COMBI_MFX_MASTER_EQ[20];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_ARP_A[18];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_ARP_B[18];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_SCAN_ZONE[18];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_CONTROLS_Marl[12];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_ARP_CONTROLS_Tolva[23];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_IFX_SETUP[10];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_MFX_SETUP[21];
extern const UI_FORMINFO _g_uiFormItem_ID_MULTI_MFX_MASTER_EQ[20];

}  // namespace UIForms
