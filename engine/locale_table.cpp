// SPDX-FileCopyrightText: 2026 The Vesquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "locale_table.h"

#include <string>

namespace vesquin {
namespace {

// Every locale name Qt 6.4 knows (each locale's name, its name with the script, and
// its language alone), grouped by its symbols; "." and "," are listed too, for names
// such as "ar_AE" whose language alone ("ar") has other symbols. The window's own test holds every
// entry, and every locale Qt knows, against QLocale; when Qt's data changes, that test names the
// names to move.
struct SymbolGroup {
    std::string_view decimal;
    std::string_view grouping;
    std::string_view names;  // separated by one blank
};

// clang-format off
constexpr SymbolGroup kGroups[] = {
    // decimal U+002E, grouping U+002C, 472 names
    {".", ",",
     "C aa aa_ET ab ab_GE ak ak_GH am am_ET an an_ES ar_AE ar_EH arn arn_CL as as_IN asa "
     "asa_TZ az_IR ba ba_RU bem bem_ZM bez bez_TZ bgn bgn_PK blt blt_VN bm bm_ML bm_Nkoo bn "
     "bn_BD bn_IN bo bo_CN bo_IN brx brx_IN bss bss_CM byn byn_ER cch cch_NG ccp ccp_BD "
     "ccp_IN ce ce_RU ceb ceb_PH cgg cgg_UG chr chr_US cic cic_US co co_FR cu cu_RU cv cv_RU "
     "cy cy_GB dav dav_KE doi doi_IN dv dv_MV dz dz_BT ebu ebu_KE ee ee_GH ee_TG en en_001 "
     "en_150 en_AE en_AG en_AI en_AS en_AU en_BB en_BI en_BM en_BS en_BW en_BZ en_CA en_CC "
     "en_CK en_CM en_CX en_CY en_DG en_DM en_Dsrt en_ER en_FJ en_FK en_FM en_GB en_GD en_GG "
     "en_GH en_GI en_GM en_GU en_GY en_HK en_IE en_IL en_IM en_IN en_IO en_JE en_JM en_KE "
     "en_KI en_KN en_KY en_LC en_LR en_LS en_MG en_MH en_MO en_MP en_MS en_MT en_MU en_MV "
     "en_MW en_MY en_NA en_NF en_NG en_NR en_NU en_NZ en_PG en_PH en_PK en_PN en_PR en_PW "
     "en_RW en_SB en_SC en_SD en_SG en_SH en_SL en_SS en_SX en_SZ en_TC en_TK en_TO en_TT "
     "en_TV en_TZ en_UG en_UM en_US en_VC en_VG en_VI en_VU en_WS en_ZM en_ZW es_419 es_BR "
     "es_BZ es_CU es_DO es_GT es_HN es_MX es_NI es_PA es_PE es_PR es_SV es_US fil fil_PH ga "
     "ga_GB ga_IE gaa gaa_GH gd gd_GB gez gez_ET gn gn_PY gu gu_IN guz guz_KE gv gv_IM ha "
     "ha_Arab ha_GH ha_NE ha_NG haw haw_US he he_IL hi hi_IN hi_Latn ig ig_NG ii ii_CN io "
     "io_001 iu iu_CA iu_Latn ja ja_JP jbo jbo_001 jmc jmc_TZ kaj kaj_NG kam kam_KE kcg "
     "kcg_NG kde kde_TZ ken ken_CM ki ki_KE kln kln_KE kn kn_IN ko ko_KP ko_KR kok kok_IN kpe "
     "kpe_LR ks_Deva ksb ksb_TZ kw kw_GB la la_VA lag lag_TZ lg lg_UG lkt lkt_US luo luo_KE "
     "luy luy_KE mai mai_IN mas mas_KE mas_TZ mer mer_KE mg mg_MG mgo mgo_CM mi mi_NZ ml "
     "ml_IN mn mn_CN mn_MN mni mni_IN mni_Mtei moh moh_CA mr mr_IN ms ms_Arab ms_MY ms_SG mt "
     "mt_MT mus mus_US my my_MM myv myv_RU naq naq_NA nd nd_ZW ne ne_IN ne_NP nqo nqo_GN nr "
     "nr_ZA nso nso_ZA nus nus_SS nv nv_US ny ny_MW nyn nyn_UG oc oc_FR om om_ET om_KE or "
     "or_IN osa osa_US pa pa_IN pcm pcm_NG prg prg_001 qu qu_EC qu_PE quc quc_GT rof rof_TZ "
     "rwk rwk_TZ sa sa_IN saq saq_KE sat sat_Deva sat_IN sbp sbp_TZ scn scn_IT sd_IN sdh "
     "sdh_IR si si_LK sid sid_ET sma sma_SE smj smj_SE sms sms_FI sn sn_ZW so so_DJ so_ET "
     "so_KE so_SO ss ss_ZA ssy ssy_ER st st_ZA sw sw_KE sw_TZ sw_UG syr syr_IQ szl szl_PL ta "
     "ta_IN ta_LK ta_MY ta_SG te te_IN teo teo_KE teo_UG th th_TH ti ti_ER ti_ET tig tig_ER "
     "tn tn_ZA to to_TO tpi tpi_PG trv trv_TW ts ts_ZA ug ug_CN ur ur_PK vai vai_LR vai_Latn "
     "ve ve_ZA vo vo_001 vun vun_TZ wa wa_BE wal wal_ET wbp wbp_AU xog xog_UG yi yi_001 yo "
     "yo_BJ yo_NG yue yue_CN yue_HK zh zh_CN zh_HK zh_Hans_HK zh_Hans_MO zh_MO zh_SG zh_TW zu "
     "zu_ZA"},
    // decimal U+002C, grouping U+002E, 165 names
    {",", ".",
     "ar_DZ ar_LY ar_MA ar_TN ast ast_ES az az_AZ az_Cyrl bs bs_BA bs_Cyrl ca ca_AD ca_ES "
     "ca_FR ca_IT da da_DK da_GL de de_BE de_DE de_IT de_LU dsb dsb_DE el el_CY el_GR en_AT "
     "en_BE en_DE en_DK en_NL en_SI es es_AR es_BO es_CL es_CO es_EA es_EC es_ES es_GQ es_IC "
     "es_PH es_PY es_UY es_VE eu eu_ES fo fo_DK fo_FO fr_LU fr_MA fur fur_IT fy fy_NL gl "
     "gl_ES hr hr_BA hr_HR hsb hsb_DE ia ia_001 id id_ID is is_IS it it_IT it_SM it_VA jgo "
     "jgo_CM jv jv_ID kgp kgp_BR kkj kkj_CM kl kl_GL km km_KH ku ku_TR lb lb_LU ln ln_AO "
     "ln_CD ln_CF ln_CG lo lo_LA lu lu_CD mgh mgh_MZ mk mk_MK ms_BN ms_ID mua mua_CM nds "
     "nds_DE nds_NL nl nl_AW nl_BE nl_BQ nl_CW nl_NL nl_SR nl_SX nnh nnh_CM pt pt_BR qu_BO rn "
     "rn_BI ro ro_MD ro_RO rw rw_RW sc sc_IT seh seh_MZ sg sg_CF sl sl_SI sr sr_BA sr_Cyrl_ME "
     "sr_Latn sr_Latn_BA sr_Latn_XK sr_ME sr_RS sr_XK su su_ID sw_CD tr tr_CY tr_TR vi vi_VN "
     "wo wo_SN yrl yrl_BR yrl_CO yrl_VE"},
    // decimal U+002C, grouping U+00A0, 136 names
    {",", "\xC2\xA0",
     "af af_NA af_ZA agq agq_CM bas bas_CM be be_BY bg bg_BG br br_FR cs cs_CZ de_AT dua "
     "dua_CM dyo dyo_SN en_FI en_SE en_ZA eo eo_001 es_CR et et_EE ewo ewo_CM ff ff_BF ff_CM "
     "ff_GH ff_GM ff_GN ff_GW ff_LR ff_MR ff_NE ff_NG ff_SL ff_SN fi fi_FI fr_CA hu hu_HU hy "
     "hy_AM ka ka_GE kab kab_DZ kea kea_CV kk kk_KZ ksf ksf_CM ksh ksh_DE ky ky_KG lt lt_LT "
     "lv lv_LV nb nb_NO nb_SJ nmg nmg_CM nn nn_NO os os_GE os_RU pl pl_PL pt_AO pt_CH pt_CV "
     "pt_GQ pt_GW pt_LU pt_MO pt_MZ pt_PT pt_ST pt_TL ru ru_BY ru_KG ru_KZ ru_MD ru_RU ru_UA "
     "sah sah_RU se se_FI se_NO se_SE shi shi_Latn shi_MA sk sk_SK smn smn_FI sq sq_AL sq_MK "
     "sq_XK sv sv_AX sv_FI sv_SE tg tg_TJ tk tk_TM tt tt_RU tzm tzm_MA uk uk_UA uz uz_Cyrl "
     "uz_UZ yav yav_CM zgh zgh_MA"},
    // decimal U+066B, grouping U+066C, 44 names
    {"\xD9\xAB", "\xD9\xAC",
     "ar ar_001 ar_BH ar_DJ ar_EG ar_ER ar_IL ar_IQ ar_JO ar_KM ar_KW ar_LB ar_MR ar_OM ar_PS "
     "ar_QA ar_SA ar_SD ar_SO ar_SS ar_SY ar_TD ar_YE ckb ckb_IQ ckb_IR fa fa_AF fa_IR ks "
     "ks_IN lrc lrc_IQ lrc_IR mzn mzn_IR pa_PK ps ps_AF ps_PK sd sd_PK ur_IN uz_AF"},
    // decimal U+002C, grouping U+202F, 44 names
    {",", "\xE2\x80\xAF",
     "fr fr_BE fr_BF fr_BI fr_BJ fr_BL fr_CD fr_CF fr_CG fr_CH fr_CI fr_CM fr_DJ fr_DZ fr_FR "
     "fr_GA fr_GF fr_GN fr_GP fr_GQ fr_HT fr_KM fr_MC fr_MF fr_MG fr_ML fr_MQ fr_MR fr_MU "
     "fr_NC fr_NE fr_PF fr_PM fr_RE fr_RW fr_SC fr_SN fr_SY fr_TD fr_TG fr_TN fr_VU fr_WF "
     "fr_YT"},
    // decimal U+002E, grouping U+00A0, 12 names
    {".", "\xC2\xA0",
     "dje dje_NE khq khq_ML mfe mfe_MU ses ses_ML twq twq_NE xh xh_ZA"},
    // decimal U+002E, grouping U+2E41, 12 names
    {".", "\xE2\xB9\x81",
     "ff_Adlm ff_Adlm_BF ff_Adlm_CM ff_Adlm_GH ff_Adlm_GM ff_Adlm_GW ff_Adlm_LR ff_Adlm_MR "
     "ff_Adlm_NE ff_Adlm_NG ff_Adlm_SL ff_Adlm_SN"},
    // decimal U+002E, grouping U+2019, 10 names
    {".", "\xE2\x80\x99",
     "de_CH de_LI en_CH gsw gsw_CH gsw_FR gsw_LI it_CH rm rm_CH"},
    // decimal U+002C, grouping U+2019, 2 names
    {",", "\xE2\x80\x99",
     "wae wae_CH"},
};
// clang-format on

bool Lists(std::string_view names, std::string_view name) {
    while (!names.empty()) {
        const std::size_t end = names.find(' ');
        if (names.substr(0, end) == name) return true;
        if (end == std::string_view::npos) break;
        names.remove_prefix(end + 1);
    }
    return false;
}

const SymbolGroup* GroupOf(std::string_view name) {
    if (name.empty()) return nullptr;
    for (const SymbolGroup& group : kGroups) {
        if (Lists(group.names, name)) return &group;
    }
    return nullptr;
}

}  // namespace

LocaleSymbols SymbolsForLocaleName(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::string key(name);
    for (char& c : key) {
        if (c == '-') c = '_';
    }
    const SymbolGroup* group = GroupOf(key);
    if (group == nullptr) group = GroupOf(std::string_view(key).substr(0, key.find('_')));
    if (group == nullptr) return kEnglishSymbols;
    return LocaleSymbols{std::string(group->decimal), std::string(group->grouping)};
}

}  // namespace vesquin
