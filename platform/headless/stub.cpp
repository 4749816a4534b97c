// placeholder until the headless backend lands
