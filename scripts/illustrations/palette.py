"""The palette, the one outline weight and the one typeface of every picture."""



LINE = 1.2                    # the one outline weight of every picture


INK = '#2b2823'               # outlines and text


FONT = 'DejaVu Sans, Arial, Helvetica, sans-serif'


PAL = {
    # skies
    'sky_top': '#bcd3e0', 'sky_low': '#f2ede0', 'haze': '#dfe3dc',
    'smoke_sky_top': '#a9a196', 'smoke_sky_low': '#efd2a4',
    'hill_far': '#9fb3ad', 'hill_near': '#7f9887', 'water': '#8fb2c2',
    # conifers
    'black_spruce': '#2c4534', 'white_spruce': '#35543d', 'balsam_fir': '#2b4a3f',
    'jack_pine': '#47693b', 'red_pine': '#3f6a3a', 'white_pine': '#4a7360',
    'ponderosa': '#66863f', 'douglas_fir': '#34503b', 'cedar': '#4b6c38',
    'hemlock': '#3b5a44', 'plantation': '#3a5d3e',
    'needle_shade': '#22372a', 'dead_fir': '#8f877b', 'tree_lichen': '#b9bea4',
    # broadleaves
    'aspen_bark': '#dcdcc6', 'birch_bark': '#f1efe6', 'aspen_leaf': '#8cae4b',
    'aspen_leaf_lt': '#b0c968', 'twig': '#5e534a',
    # bark
    'bark': '#6f5c49', 'bark_grey': '#5d554c', 'bark_red': '#a4583a',
    'bark_orange': '#bd8550', 'bark_cedar': '#8a4c34',
    # ground
    'lichen': '#dcd9b6', 'lichen_dk': '#b9b58c', 'moss': '#7d9446', 'moss_dk': '#5f7737',
    'litter': '#9c7a4d', 'litter_dk': '#7a5c38', 'leaf_litter': '#a9794a',
    'grass_cured': '#d6bf7c', 'grass_cured_dk': '#b49a58', 'grass_green': '#93ad55',
    'herb': '#7fa04a', 'shrub': '#4e6e3c', 'shrub_lt': '#6d8c49', 'labrador_tea': '#3f5a37',
    'organic': '#5b4330', 'organic_dk': '#46331f', 'mineral': '#b8a383', 'soil_bare': '#a48a65',
    # wood and slash
    'wood_cut': '#dcbf8e', 'wood_ring': '#b9955f', 'log': '#7c6650', 'log_grey': '#8d8276',
    'slash_red': '#a5562f', 'slash_brown': '#7d5a3a', 'slash_green': '#6b7b45',
    # fire
    'flame_red': '#d2461d', 'flame_edge': '#a9331a', 'flame_orange': '#f08a24',
    'flame_yellow': '#fbd35a', 'glow': '#f6a24a', 'char': '#3a332d', 'ash': '#8b8580',
    'smoke': '#c9c3ba', 'smoke_dk': '#9e978e', 'smoke_edge': '#857e76', 'smoke_dark': '#6f6862',
    # diagrams and signs
    'paper': '#fbf8f0', 'band_a': '#eef3f4', 'band_b': '#f5f0e3',
    'temp': '#b5482a', 'rh': '#2b8585', 'wind': '#6e5fa0', 'rain': '#2d61a6',
}
