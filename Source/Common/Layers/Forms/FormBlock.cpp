// The form block (the 53 forms in table order) and the image block of the forms.
#include "Common/Layers/Forms/FormItems.h"
#include "Common/Layers/Forms/FormRows.h"

namespace UIForms {

namespace {

constexpr UI_FORMINFO kForms[] = {
    Form(1024, "ID_PROG_BASIC_PROGBASIC", _g_uiFormItem_ID_PROG_BASIC_PROGBASIC),
    Form(1029, "ID_PROG_BASIC_OSC1", _g_uiFormItem_ID_PROG_BASIC_OSC1),
    Form(1031, "ID_PROG_BASIC_OSC2", _g_uiFormItem_ID_PROG_BASIC_OSC2),
    Form(1032, "ID_PROG_BASIC_VELOCITY_ZONE", _g_uiFormItem_ID_PROG_BASIC_VELOCITY_ZONE),
    Form(1034, "ID_PROG_BASIC_AUDITION", _g_uiFormItem_ID_PROG_BASIC_AUDITION),
    Form(1035, "ID_PROG_PITCH_OSC1_Marl", _g_uiFormItem_ID_PROG_PITCH_OSC1_Marl),
    Form(1036, "ID_PROG_PITCH_OSC1_Tolva", _g_uiFormItem_ID_PROG_PITCH_OSC1_Tolva),
    Form(1037, "ID_PROG_PITCH_OSC1_LFO_Marl", _g_uiFormItem_ID_PROG_PITCH_OSC1_LFO_Marl),
    Form(1038, "ID_PROG_PITCH_OSC1_LFO_Tolva", _g_uiFormItem_ID_PROG_PITCH_OSC1_LFO_Tolva),
    Form(1039, "ID_PROG_PITCH_OSC2_Marl", _g_uiFormItem_ID_PROG_PITCH_OSC2_Marl),
    Form(1040, "ID_PROG_PITCH_OSC2_Tolva", _g_uiFormItem_ID_PROG_PITCH_OSC2_Tolva),
    Form(1041, "ID_PROG_PITCH_OSC2_LFO_Marl", _g_uiFormItem_ID_PROG_PITCH_OSC2_LFO_Marl),
    Form(1042, "ID_PROG_PITCH_OSC2_LFO_Tolva", _g_uiFormItem_ID_PROG_PITCH_OSC2_LFO_Tolva),
    Form(1043, "ID_PROG_PITCH_EG", _g_uiFormItem_ID_PROG_PITCH_EG),
    Form(1044, "ID_PROG_LFOs_OSC1_LFO1", _g_uiFormItem_ID_PROG_LFOs_OSC1_LFO1),
    Form(1045, "ID_PROG_LFOs_OSC1_LFO2", _g_uiFormItem_ID_PROG_LFOs_OSC1_LFO2),
    Form(1046, "ID_PROG_LFOs_OSC2_LFO1", _g_uiFormItem_ID_PROG_LFOs_OSC2_LFO1),
    Form(1047, "ID_PROG_LFOs_OSC2_LFO2", _g_uiFormItem_ID_PROG_LFOs_OSC2_LFO2),
    Form(1048, "ID_PROG_FILTER1_BASIC", _g_uiFormItem_ID_PROG_FILTER1_BASIC),
    Form(1049, "ID_PROG_FILTER1_MOD1", _g_uiFormItem_ID_PROG_FILTER1_MOD1),
    Form(1050, "ID_PROG_FILTER1_MOD2", _g_uiFormItem_ID_PROG_FILTER1_MOD2),
    Form(1051, "ID_PROG_FILTER1_LFO_MOD", _g_uiFormItem_ID_PROG_FILTER1_LFO_MOD),
    Form(1052, "ID_PROG_FILTER1_EG", _g_uiFormItem_ID_PROG_FILTER1_EG),
    Form(1053, "ID_PROG_FILTER2_BASIC", _g_uiFormItem_ID_PROG_FILTER2_BASIC),
    Form(1054, "ID_PROG_FILTER2_MOD1", _g_uiFormItem_ID_PROG_FILTER2_MOD1),
    Form(1055, "ID_PROG_FILTER2_MOD2", _g_uiFormItem_ID_PROG_FILTER2_MOD2),
    Form(1056, "ID_PROG_FILTER2_LFO_MOD", _g_uiFormItem_ID_PROG_FILTER2_LFO_MOD),
    Form(1057, "ID_PROG_FILTER2_EG", _g_uiFormItem_ID_PROG_FILTER2_EG),
    Form(1058, "ID_PROG_AMP1", _g_uiFormItem_ID_PROG_AMP1),
    Form(1059, "ID_PROG_AMP1_MOD", _g_uiFormItem_ID_PROG_AMP1_MOD),
    Form(1060, "ID_PROG_AMP1_EG", _g_uiFormItem_ID_PROG_AMP1_EG),
    Form(1061, "ID_PROG_AMP2", _g_uiFormItem_ID_PROG_AMP2),
    Form(1062, "ID_PROG_AMP2_MOD", _g_uiFormItem_ID_PROG_AMP2_MOD),
    Form(1063, "ID_PROG_AMP2_EG", _g_uiFormItem_ID_PROG_AMP2_EG),
    Form(1064, "ID_PROG_IFX_SETUP", _g_uiFormItem_ID_PROG_IFX_SETUP),
    Form(1065, "ID_PROG_MFX_SETUP", _g_uiFormItem_ID_PROG_MFX_SETUP),
    Form(1066, "ID_PROG_MFX_MASTER_EQ", _g_uiFormItem_ID_PROG_MFX_MASTER_EQ),
    Form(1067, "ID_COMBI_ARP_ARP_A", _g_uiFormItem_ID_COMBI_ARP_ARP_A),
    Form(1068, "ID_COMBI_ARP_ARP_B", _g_uiFormItem_ID_COMBI_ARP_ARP_B),
    Form(1069, "ID_COMBI_ARP_SCAN_ZONE", _g_uiFormItem_ID_COMBI_ARP_SCAN_ZONE),
    Form(1070, "ID_COMBI_ARP_CONTROLS_Marl", _g_uiFormItem_ID_COMBI_ARP_CONTROLS_Marl),
    Form(1071, "ID_COMBI_ARP_CONTROLS_Tolva", _g_uiFormItem_ID_COMBI_ARP_CONTROLS_Tolva),
    Form(1072, "ID_COMBI_IFX_SETUP", _g_uiFormItem_ID_COMBI_IFX_SETUP),
    Form(1073, "ID_COMBI_MFX_SETUP", _g_uiFormItem_ID_COMBI_MFX_SETUP),
    Form(1074, "ID_COMBI_MFX_MASTER_EQ", _g_uiFormItem_ID_COMBI_MFX_MASTER_EQ),
    Form(1075, "ID_MULTI_ARP_ARP_A", _g_uiFormItem_ID_MULTI_ARP_ARP_A),
    Form(1076, "ID_MULTI_ARP_ARP_B", _g_uiFormItem_ID_MULTI_ARP_ARP_B),
    Form(1077, "ID_MULTI_ARP_SCAN_ZONE", _g_uiFormItem_ID_MULTI_ARP_SCAN_ZONE),
    Form(1078, "ID_MULTI_ARP_CONTROLS_Marl", _g_uiFormItem_ID_MULTI_ARP_CONTROLS_Marl),
    Form(1079, "ID_MULTI_ARP_CONTROLS_Tolva", _g_uiFormItem_ID_MULTI_ARP_CONTROLS_Tolva),
    Form(1080, "ID_MULTI_IFX_SETUP", _g_uiFormItem_ID_MULTI_IFX_SETUP),
    Form(1081, "ID_MULTI_MFX_SETUP", _g_uiFormItem_ID_MULTI_MFX_SETUP),
    Form(1082, "ID_MULTI_MFX_MASTER_EQ", _g_uiFormItem_ID_MULTI_MFX_MASTER_EQ),
};

constexpr UI_IMAGEINFO kImages[] = {
    {"FontGeneva9", 128},      {"FontGeneva9_Shadow", 1},   {"FontGeneva10", 128},
    {"FontHelvB11", 128},      {"FontHelvB11_Shadow", 128}, {"Background_SubTab", 1},
    {"EditText_96X13", 1},     {"DropdownList_96X13", 1},   {"HorizontalValueBarBack_96X13", 1},
    {"DropdownList_31X13", 1}, {"Switch_CheckBox", 1},      {"EditText_40X13", 1},
    {"EditText_37X13", 1},
};

}  // namespace

const UI_FORMINFOBLOCK _g_uiFormInfoBlock = {static_cast<int>(sizeof kForms / sizeof kForms[0]), kForms};
const UI_IMAGEINFOBLOCK _g_uiImageInfoBlock = {static_cast<int>(sizeof kImages / sizeof kImages[0]), kImages};

}  // namespace UIForms
